#include "app/TrackGridProxy.h"

#include "tracks/TrackTableModel.h"

#include <QFont>

namespace quillora {

namespace {
QVariant boldWhen(bool pending) {
  if (!pending) return {};
  QFont font;
  font.setBold(true);
  return font;
}
}  // namespace

TrackGridProxy::TrackGridProxy(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(TrackTableModel::SortRole);
}

QVariant TrackGridProxy::data(const QModelIndex& index, int role) const {
  if (role == Qt::FontRole)
    return boldWhen(QSortFilterProxyModel::data(index, TrackTableModel::PendingRole).toBool());
  return QSortFilterProxyModel::data(index, role);
}

QVariant TrackGridProxy::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::FontRole && orientation == Qt::Vertical)
    return boldWhen(QSortFilterProxyModel::headerData(section, orientation, TrackTableModel::PendingRole).toBool());
  return QSortFilterProxyModel::headerData(section, orientation, role);
}

}  // namespace quillora
