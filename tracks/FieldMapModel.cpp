#include "tracks/FieldMapModel.h"

#include "fields/Error.h"
#include "tracks/CellText.h"
#include "tracks/Workspace.h"

#include <algorithm>

namespace quillora {

namespace {

const QString kRecId = QStringLiteral("RecId");

}  // namespace

const QVector<FieldMapModel::PanelColumn>& FieldMapModel::panelColumns() {
  static const QVector<PanelColumn> columns = [] {
    struct Row {
      const char* field;
      bool shown, editable, checkBox;
    };
    const Row rows[] = {
        {"ViewCheck", true, true, true},          {"BatchCheck", true, true, true},
        {"RecId", false, false, false},           {"ID", false, false, false},
        {"FieldID", false, false, false},         {"FieldName", true, false, false},
        {"FieldMediaID", false, false, false},    {"FieldMediaIDValue", false, false, false},
        {"MediaTypeID", false, false, false},     {"MediaTypeName", true, false, false},
        {"FormatExt", false, false, false},       {"FieldTypeID", false, false, false},
        {"FieldTypeName", false, false, false},   {"BatchValue", true, true, false},
        {"InternalBatchValue", true, true, false},
    };
    QVector<PanelColumn> result;
    for (const Row& row : rows) {
      const QString field = QString::fromLatin1(row.field);
      result.push_back({QStringLiteral("cxGrid2DBTableView1") + field, field, row.shown,
                        row.editable, row.checkBox});
    }
    return result;
  }();
  return columns;
}

FieldMapModel::FieldMapModel(Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), ws_(workspace) {
  MemTable& map = ws_.fields.mdFieldsInternal;
  for (const PanelColumn& column : panelColumns())
    sources_.push_back(column.fieldName == kRecId ? -1 : map.columnIndexOrThrow(column.fieldName));
  connect(&map, &MemTable::tableReset, this, &FieldMapModel::resetAll);
  connect(&map, &MemTable::valueChanged, this, &FieldMapModel::onValueChanged);
  connect(&map, &MemTable::rowAppended, this, &FieldMapModel::onRowAppended);
  // The lookups show catalogue values.
  MemTable& catalogue = ws_.fields.mdFields;
  connect(&catalogue, &MemTable::valueChanged, this, &FieldMapModel::onLookupSourceChanged);
  connect(&catalogue, &MemTable::tableReset, this, &FieldMapModel::onLookupSourceChanged);
  rows_ = map.visibleCount();
}

int FieldMapModel::fieldMapRow(int modelRow) const {
  return ws_.fields.mdFieldsInternal.visibleRow(modelRow);
}

int FieldMapModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int FieldMapModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(panelColumns().size());
}

QVariant FieldMapModel::data(const QModelIndex& index, int role) const {
  const MemTable& map = ws_.fields.mdFieldsInternal;
  if (!index.isValid() || index.row() >= map.visibleCount()) return {};
  const int row = fieldMapRow(index.row());
  const int source = sources_[index.column()];
  if (source < 0) return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(map.recId(row)) : QVariant();
  const QVariant value = map.value(row, source);
  if (panelColumns()[index.column()].checkBox) {
    if (role == Qt::CheckStateRole) return value.toBool() ? Qt::Checked : Qt::Unchecked;
    return {};
  }
  if (role == Qt::DisplayRole || role == Qt::EditRole) return CellText(map.column(source), value);
  return {};
}

QVariant FieldMapModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= panelColumns().size()) return {};
  if (role == Qt::DisplayRole) return panelColumns()[section].fieldName;
  if (role == ObjectNameRole) return panelColumns()[section].objectName;
  return {};
}

Qt::ItemFlags FieldMapModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  const PanelColumn& column = panelColumns()[index.column()];
  if (column.editable && !ws_.DisableActions)
    result |= column.checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
  return result;
}

bool FieldMapModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= rows_ || ws_.DisableActions) return false;
  const PanelColumn& column = panelColumns()[index.column()];
  if (!column.editable || role != (column.checkBox ? Qt::CheckStateRole : Qt::EditRole)) return false;
  try {
    assign(fieldMapRow(index.row()), index.column(), value);
  } catch (const Error& error) {
    emit failed(error.message());
    return false;
  }
  return true;
}

void FieldMapModel::assign(int row, int panelColumn, const QVariant& value) {
  FieldModel& fields = ws_.fields;
  MemTable& map = fields.mdFieldsInternal;
  const int source = sources_[panelColumn];
  if (panelColumns()[panelColumn].checkBox) {
    // The column handler works on the current row.
    map.moveToRow(row);
    map.setFieldValue(source, value.toInt() == Qt::Checked);
    return;
  }
  if (source != fields.fm().BatchValue) {
    map.setValue(row, source, value.toString());
    return;
  }
  const int fieldId = map.value(row, fields.fm().FieldID).toInt();
  const int entry = fields.CatalogueRow(fieldId);
  if (entry < 0) throw Error(QStringLiteral("Field %1 is not in the field catalogue").arg(fieldId));
  fields.mdFields.setValue(entry, fields.cat().BatchValue, value.toString());
}

void FieldMapModel::onValueChanged(int row, int) {
  const MemTable& map = ws_.fields.mdFieldsInternal;
  int position = row;
  if (map.isFiltered()) {
    position = -1;
    for (int p = 0; p < map.visibleCount(); ++p)
      if (map.visibleRow(p) == row) position = p;
  }
  if (position < 0 || position >= rows_) return;
  emit dataChanged(index(position, 0), index(position, columnCount() - 1));
}

void FieldMapModel::onRowAppended(int row) {
  const MemTable& map = ws_.fields.mdFieldsInternal;
  if (map.visibleCount() != rows_ + 1 || map.visibleRow(rows_) != row) return resetAll();
  beginInsertRows(QModelIndex(), rows_, rows_);
  ++rows_;
  endInsertRows();
}

void FieldMapModel::onLookupSourceChanged() {
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

void FieldMapModel::resetAll() {
  beginResetModel();
  rows_ = ws_.fields.mdFieldsInternal.visibleCount();
  endResetModel();
}

}  // namespace quillora
