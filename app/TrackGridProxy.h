// The track grid's sorting proxy: a header click sorts the displayed order
// by the stored values, and a cell or row whose value is pending (changed
// since it was read from its file) is drawn in bold.
#pragma once

#include <QSortFilterProxyModel>

namespace quillora {

class TrackGridProxy : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit TrackGridProxy(QObject* parent = nullptr);

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
};

}  // namespace quillora
