// The fields panel's item model: the field map rows that the field map
// filter lets through, in table order, with the panel's fifteen columns.
// ViewCheck and BatchCheck are check boxes; ticking ViewCheck makes the row
// the field map's current row and assigns the value, so the column handler
// shows, adds or hides the field's track grid column. BatchValue shows the
// catalogue's batch value of the row's field, and editing it changes that
// catalogue value (so it applies to every media type of the field);
// InternalBatchValue is the row's own. Nothing can be edited while
// DisableActions is set. A failing edit emits failed with the message.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

namespace quillora {

struct Workspace;

class FieldMapModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  struct PanelColumn {
    QString objectName;  // e.g. cxGrid2DBTableView1ViewCheck
    QString fieldName;   // the field map column it shows; "RecId" for the record number
    bool shown;
    bool editable;
    bool checkBox;
  };
  // The panel's columns in order.
  static const QVector<PanelColumn>& panelColumns();

  enum Role { ObjectNameRole = Qt::UserRole + 1 };  // horizontal header

  explicit FieldMapModel(Workspace& workspace, QObject* parent = nullptr);

  // The field map row (absolute index) shown at a model row.
  int fieldMapRow(int modelRow) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  void failed(const QString& message);

 private:
  void assign(int row, int panelColumn, const QVariant& value);
  void onValueChanged(int row, int column);
  void onRowAppended(int row);
  void onLookupSourceChanged();
  void resetAll();

  Workspace& ws_;
  QVector<int> sources_;  // field map column per panel column; -1 for RecId
  int rows_ = 0;
};

}  // namespace quillora
