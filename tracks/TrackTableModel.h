// The track grid's item model: one row per track table row, one column per
// track grid column (hidden ones included, so a model column is a column
// position), captions from the column list. Rows and columns appear with
// the fine-grained model signals as the scan appends them; a restructure
// that parks and restores the rows shows only as inserted columns.
//
// Cells read as text (see CellText); every cell but the file name can be
// edited, and a text that does not convert to the column's type is refused.
// A cell whose value differs from what was read from its file answers
// PendingRole with true, and so does the row's vertical header; the view
// shows such cells in bold.
#pragma once

#include <QAbstractTableModel>

namespace quillora {

class TrackList;

class TrackTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Role {
    PendingRole = Qt::UserRole + 1,  // bool, cells and vertical header
    SortRole,                        // the stored value, for a sort proxy
    ObjectNameRole,                  // horizontal header: the column's object name
  };

  explicit TrackTableModel(TrackList& tracks, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 private:
  void onRowAppended(int row);
  void onValueChanged(int row, int column);
  void onTableReset();
  void onColumnInserted(int position);
  void onColumnRemoved(int position);
  void onRowMarksChanged(int row);
  void resetAll();
  // The track table column of a model cell, or -1 when it shows nothing.
  int tableColumn(const QModelIndex& index) const;

  TrackList& tracks_;
  // The counts the views were last told of; the table itself may briefly
  // hold none while a restructure parks its rows.
  int rows_ = 0;
  int columns_ = 0;
};

}  // namespace quillora
