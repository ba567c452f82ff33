#include "tracks/CellText.h"

#include <QDateTime>
#include <QLocale>

namespace quillora {

QString CellText(const ColumnDef& column, const QVariant& value) {
  if (value.isNull()) return QString();
  switch (column.type) {
    case FieldType::Boolean: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::DateTime:
      return QLocale::system().toString(value.toDateTime(), QLocale::ShortFormat);
    case FieldType::Integer:
    case FieldType::String: break;
  }
  return value.toString();
}

}  // namespace quillora
