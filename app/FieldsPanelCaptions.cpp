#include "app/FieldsPanelCaptions.h"

#include "tracks/FieldMapModel.h"

#include <QHash>

namespace quillora {

QVariant FieldsPanelCaptions::headerData(int section, Qt::Orientation orientation, int role) const {
  static const QHash<QString, QString> captions = {
      {QStringLiteral("ViewCheck"), QStringLiteral("Show")},
      {QStringLiteral("BatchCheck"), QStringLiteral("Batch")},
      {QStringLiteral("FieldName"), QStringLiteral("Field")},
      {QStringLiteral("MediaTypeName"), QStringLiteral("Type")},
      {QStringLiteral("BatchValue"), QStringLiteral("Batch Value")},
      {QStringLiteral("InternalBatchValue"), QStringLiteral("Own Value")},
  };
  const auto& columns = FieldMapModel::panelColumns();
  if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < columns.size())
    return captions.value(columns[section].fieldName, columns[section].fieldName);
  return QIdentityProxyModel::headerData(section, orientation, role);
}

}  // namespace quillora
