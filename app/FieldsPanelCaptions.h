// The fields panel's column captions: the field map's column names are
// given short words a user reads at a glance ("Show", "Batch", "Field").
#pragma once

#include <QIdentityProxyModel>

namespace quillora {

class FieldsPanelCaptions : public QIdentityProxyModel {
  Q_OBJECT
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
};

}  // namespace quillora
