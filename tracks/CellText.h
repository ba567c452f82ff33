// A track table or field map value as the user reads and types it: texts as
// they are, integers in decimal, Booleans as True or False, dates and times in
// the system's short format (which the table's conversion reads back).
#pragma once

#include "fields/MemTable.h"

#include <QString>
#include <QVariant>

namespace quillora {

QString CellText(const ColumnDef& column, const QVariant& value);

}  // namespace quillora
