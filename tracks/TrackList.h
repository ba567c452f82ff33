// The track table, its spare copy and the track grid's columns, with the
// operations that add a field and its column, fill a freshly read file's
// row, and show or hide a column when the field map's ViewCheck changes.
// It also remembers each row's values as read from its file, so a cell the
// user changed can be shown as pending until a commit writes that file.
#pragma once

#include "fields/MemTable.h"
#include "tracks/TrackColumns.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quillora {

class FieldModel;

class TrackList {
 public:
  TrackList(FieldModel& fields, bool& disableActions);

  MemTable JvMemoryData1{"JvMemoryData1"};  // the track table
  MemTable dxMemData2{"dxMemData2"};        // rows parked during a restructure
  TrackColumns cxGridMP3;                   // the track grid's columns

  // Fills the current (just appended) row from the value list lines
  // "id=value", adding the fields and columns it lacks first.
  void FillTrackRow(const QStringList& valueLines, const QString& relativeName, int mediaType);
  // Adds the track table field "Field"+id and its grid column, and links the
  // field map row of (id, mediaType) to it. The track table must be closed.
  void AddTrackField(const QString& fieldId, int mediaType);
  int FindTrackColumn(const QString& fieldName) const { return cxGridMP3.FindTrackColumn(fieldName); }
  static void CopyTableRows(MemTable& source, MemTable& target);
  // The field map's ViewCheck change handler.
  void mdFieldsViewCheckChange(int fieldMapRow);
  // Back to the single FileName field and column; the track table is closed.
  void ResetTrackFields();

  // The track table column bound to the grid column at a position; -1 when
  // the position names no column.
  int fieldOfColumn(int position) const;

  // Pending changes: cells whose value differs from what was read.
  void rememberAsRead(int row);
  bool isCellPending(int row, int column) const;
  bool isRowPending(int row) const;
  bool hasPendingChanges() const;

 private:
  FieldModel& fields_;
  bool& disableActions_;
  std::vector<std::vector<QVariant>> asRead_;  // by track table row, data columns
};

}  // namespace quillora
