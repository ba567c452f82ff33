#include "tracks/TrackTableModel.h"

#include "fields/Error.h"
#include "tracks/CellText.h"
#include "tracks/TrackList.h"

namespace quillora {

TrackTableModel::TrackTableModel(TrackList& tracks, QObject* parent)
    : QAbstractTableModel(parent), tracks_(tracks) {
  MemTable& table = tracks_.JvMemoryData1;
  connect(&table, &MemTable::rowAppended, this, &TrackTableModel::onRowAppended);
  connect(&table, &MemTable::valueChanged, this, &TrackTableModel::onValueChanged);
  connect(&table, &MemTable::tableReset, this, &TrackTableModel::onTableReset);
  TrackColumns& columns = tracks_.cxGridMP3;
  connect(&columns, &TrackColumns::columnInserted, this, &TrackTableModel::onColumnInserted);
  connect(&columns, &TrackColumns::columnRemoved, this, &TrackTableModel::onColumnRemoved);
  connect(&columns, &TrackColumns::columnChanged, this, [this](int position) {
    emit headerDataChanged(Qt::Horizontal, position, position);
  });
  connect(&tracks_, &TrackList::readValuesChanged, this, &TrackTableModel::onRowMarksChanged);
  rows_ = table.isOpen() ? table.rowCount() : 0;
  columns_ = columns.count();
}

int TrackTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TrackTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

int TrackTableModel::tableColumn(const QModelIndex& index) const {
  const MemTable& table = tracks_.JvMemoryData1;
  if (!index.isValid() || !table.isOpen() || index.row() >= table.rowCount()) return -1;
  return tracks_.fieldOfColumn(index.column());
}

QVariant TrackTableModel::data(const QModelIndex& index, int role) const {
  const int column = tableColumn(index);
  if (column < 0) return {};
  const MemTable& table = tracks_.JvMemoryData1;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return CellText(table.column(column), table.value(index.row(), column));
    case SortRole: return table.value(index.row(), column);
    case PendingRole: return tracks_.isCellPending(index.row(), column);
    default: return {};
  }
}

QVariant TrackTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (section < 0 || section >= rows_) return {};
    if (role == Qt::DisplayRole) return section + 1;
    if (role == PendingRole) return tracks_.isRowPending(section);
    return {};
  }
  if (section < 0 || section >= tracks_.cxGridMP3.count()) return {};
  const TrackColumn& column = tracks_.cxGridMP3.at(section);
  if (role == Qt::DisplayRole) return column.caption;
  if (role == ObjectNameRole) return column.objectName;
  return {};
}

Qt::ItemFlags TrackTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (index.column() > 0 && tableColumn(index) >= 0) result |= Qt::ItemIsEditable;
  return result;
}

bool TrackTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || index.column() == 0) return false;
  const int column = tableColumn(index);
  if (column < 0) return false;
  MemTable& table = tracks_.JvMemoryData1;
  // An emptied cell holds no value, whatever its type.
  const bool blank = value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty();
  const auto converted = MemTable::convertTo(table.column(column), blank ? QVariant() : value);
  if (!converted) return false;
  try {
    table.setValue(index.row(), column, *converted);
  } catch (const Error&) {
    return false;
  }
  return true;
}

void TrackTableModel::onRowAppended(int row) {
  if (row != rows_) return resetAll();
  beginInsertRows(QModelIndex(), row, row);
  ++rows_;
  endInsertRows();
}

void TrackTableModel::onValueChanged(int row, int column) {
  if (row >= rows_) return;
  // The grid columns bound to the table column, by name as fieldOfColumn
  // binds them (table column names are unique ignoring case); one name
  // compare per column, since a scan stores many values per file.
  const QString& name = tracks_.JvMemoryData1.column(column).name;
  for (int position = 0; position < columns_ && position < tracks_.cxGridMP3.count(); ++position)
    if (tracks_.cxGridMP3.at(position).fieldName.compare(name, Qt::CaseInsensitive) == 0)
      emit dataChanged(index(row, position), index(row, position));
  // The row's pending mark can change only once its values as read are known.
  if (tracks_.hasReadValues(row)) emit headerDataChanged(Qt::Vertical, row, row);
}

void TrackTableModel::onRowMarksChanged(int row) {
  if (row >= rows_ || columns_ == 0) return;
  emit dataChanged(index(row, 0), index(row, columns_ - 1), {PendingRole});
  emit headerDataChanged(Qt::Vertical, row, row);
}

void TrackTableModel::onTableReset() {
  const MemTable& table = tracks_.JvMemoryData1;
  // Parking and restoring the rows gives back the same rows.
  if (tracks_.isRestructuring() && table.isOpen() && table.rowCount() == rows_) return;
  resetAll();
}

void TrackTableModel::onColumnInserted(int position) {
  if (position != columns_) return resetAll();
  beginInsertColumns(QModelIndex(), position, position);
  ++columns_;
  endInsertColumns();
}

void TrackTableModel::onColumnRemoved(int position) {
  if (position >= columns_) return resetAll();
  beginRemoveColumns(QModelIndex(), position, position);
  --columns_;
  endRemoveColumns();
}

void TrackTableModel::resetAll() {
  beginResetModel();
  const MemTable& table = tracks_.JvMemoryData1;
  rows_ = table.isOpen() ? table.rowCount() : 0;
  columns_ = tracks_.cxGridMP3.count();
  endResetModel();
}

}  // namespace quillora
