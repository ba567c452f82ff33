// The track table, its spare copy and the track grid's columns, with the
// operations that add a field and its column, fill a freshly read file's
// row, and show or hide a column when the field map's ViewCheck changes.
// It also remembers each row's values as read from its file, so a cell the
// user changed can be shown as pending until a commit writes that file.
#pragma once

#include "fields/MemTable.h"
#include "tracks/FileIdentity.h"
#include "tracks/TrackColumns.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace quillora {

class FieldModel;

// The width of the track table's "FileName": a relative name is never cut,
// since a cut name would address another file or none.
inline constexpr int kFileNameWidth = 4096;

class TrackList : public QObject {
  Q_OBJECT
 public:
  // The track table starts closed with its single "FileName" field; the grid
  // has its file name column.
  TrackList(FieldModel& fields, bool& disableActions);

  MemTable JvMemoryData1{"JvMemoryData1"};  // the track table
  MemTable dxMemData2{"dxMemData2"};        // rows parked during a restructure
  TrackColumns cxGridMP3;                   // the track grid's columns

  // Fills the current (just appended) row from the value list lines
  // "id=value", adding the fields and columns it lacks first. A field whose
  // column exists but whose field map row for this media type has none yet
  // is linked to that column. When adding a column fails, the new row is
  // dropped, every other row stays, and the error passes on.
  void FillTrackRow(const QStringList& valueLines, const QString& relativeName, int mediaType);
  // Adds the track table field "Field"+id and its grid column, and links the
  // field map row of (id, mediaType) to it. The track table must be closed.
  // Throws, adding nothing, when the field's catalogue type is not 1 to 4.
  void AddTrackField(const QString& fieldId, int mediaType);
  int FindTrackColumn(const QString& fieldName) const { return cxGridMP3.FindTrackColumn(fieldName); }
  // Gives target the columns of source it lacks (same name, type and width)
  // and appends a copy of every visible row of source.
  static void CopyTableRows(MemTable& source, MemTable& target);
  // The field map's ViewCheck change handler, given the changed row. Showing
  // a field that has no column yet restructures the track table; when that
  // fails, the rows stay, ViewCheck is cleared again and the error passes on.
  void mdFieldsViewCheckChange(int fieldMapRow);
  // Back to the single FileName field and column; the track table is closed.
  void ResetTrackFields();

  // The track table column bound to the grid column at a position; -1 when
  // the position names no column.
  int fieldOfColumn(int position) const;
  // True while rows are parked and restored: the track table closes and
  // opens again with the same rows, which views need not show anew.
  bool isRestructuring() const { return restructuring_; }

  // Pending changes: cells whose value differs from what was last read from
  // (or written to) the row's file. Columns are track table columns.
  void rememberAsRead(int row);
  // The file a row was read from, as it was then (see FileIdentity).
  void rememberFile(int row, const std::optional<FileIdentity>& identity);
  // True when the row's file exists but is no longer the file that was read
  // (replaced, or changed by another program).
  bool fileChangedOnDisk(int row, const QString& fullName) const;
  bool isCellPending(int row, int column) const;
  // False while a row's values as read are not remembered yet (a row being
  // filled by a scan): none of its cells can be pending.
  bool hasReadValues(int row) const { return size_t(row) < asRead_.size() && !asRead_[size_t(row)].empty(); }
  bool isRowPending(int row) const;
  bool hasPendingChanges() const;

 signals:
  // A row's remembered values changed, so its pending marks may have too.
  void readValuesChanged(int row);

 private:
  // Parks every row in the spare table, runs the structural change and puts
  // the rows back; keepLastOnFailure false drops the last row when the change
  // fails. Throws when the track table is not open.
  void restructure(const std::function<void()>& change, bool keepLastOnFailure);
  void parkRows();
  void restoreRows(int count);
  // Links the field map row of (field, media type) to the field's grid
  // column when it has none yet; the column is looked up only for a pair not
  // linked before, since every value of every scanned file comes here.
  void linkFieldMapRow(int fieldId, int mediaType);
  // The row's values as read; null when there are none or the row is gone.
  const std::vector<QVariant>* readValues(int row) const;

  FieldModel& fields_;
  bool& disableActions_;
  bool restructuring_ = false;
  QSet<qint64> linked_;                        // (field, media type) pairs already linked
  std::vector<std::vector<QVariant>> asRead_;  // by track table row and column
  std::vector<std::optional<FileIdentity>> files_;  // by track table row
};

QString TrackFieldName(int fieldId);

}  // namespace quillora
