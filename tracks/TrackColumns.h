// The track grid's column list: what each column is bound to, its caption,
// width and visibility. Column positions count from 0 (the file name column)
// and include hidden columns; the field map's ColumnIndex holds them. The
// list is data the core owns; the grid widget only shows it.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace quillora {

struct TrackColumn {
  QString objectName;  // e.g. cxGridMP3FileName
  QString fieldName;   // the track table column it is bound to
  QString caption;
  int width = 50;
  bool visible = true;
};

class TrackColumns : public QObject {
  Q_OBJECT
 public:
  int count() const { return int(columns_.size()); }
  const TrackColumn& at(int position) const { return columns_[size_t(position)]; }
  int append(const TrackColumn& column);
  void removeAt(int position);
  void setVisible(int position, bool visible);
  void setWidth(int position, int width);
  // The first column, in column order, bound to exactly this field name
  // (letter case included); -1 when none.
  int FindTrackColumn(const QString& fieldName) const;

 signals:
  // Each is sent once the list has changed.
  void columnInserted(int position);
  void columnRemoved(int position);
  void columnChanged(int position);

 private:
  std::vector<TrackColumn> columns_;
};

}  // namespace quillora
