// Replacing a table's rows with rows read from a file, as the loaders do.
#pragma once

#include "fields/MemTable.h"

#include <QVariant>
#include <QVector>

#include <vector>

namespace quillora {

// Closes and reopens the table, then appends one row per entry of rows:
// value j of a row goes into column columns[j] (dropped when that is -1), null
// values leave the column empty. Loading runs no change handlers. The cursor
// ends on the first row. The values must already suit their columns.
void ReplaceTableRows(MemTable& table, const QVector<int>& columns,
                      const std::vector<QVector<QVariant>>& rows);

}  // namespace quillora
