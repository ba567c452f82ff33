#include "cli/FieldChoice.h"

#include "cli/CommandGroup.h"
#include "fields/FieldModel.h"

#include <QStringList>

namespace quillora::cli {

int FieldOfName(const FieldModel& fields, const QString& name) {
  const MemTable& catalogue = fields.mdFields;
  const CatalogueColumns& cat = fields.cat();
  const QString wanted = name.trimmed();
  bool numeric = false;
  const int wantedId = wanted.toInt(&numeric);
  QStringList matches;
  for (int row = 0; row < catalogue.rowCount(); ++row) {
    const QVariant id = catalogue.value(row, cat.ID);
    if (id.isNull()) continue;
    const bool match = numeric ? id.toInt() == wantedId
                               : catalogue.value(row, cat.Name).toString().trimmed().compare(
                                     wanted, Qt::CaseInsensitive) == 0;
    if (match) matches << id.toString();
  }
  if (matches.isEmpty())
    throw UsageError(QStringLiteral("unknown field \"%1\": neither an identifier nor a name in the field catalogue")
                         .arg(name));
  if (matches.size() > 1)
    throw UsageError(QStringLiteral("the name \"%1\" belongs to the fields %2: give the identifier")
                         .arg(name, matches.join(QStringLiteral(", "))));
  return matches.first().toInt();
}

}  // namespace quillora::cli
