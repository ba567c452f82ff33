#include "commands/Commit.h"

#include "commands/ClearIDTag.h"
#include "commands/FileReport.h"
#include "commands/MappedField.h"
#include "commands/SavedTogether.h"
#include "commands/TrackFiles.h"
#include "fields/Error.h"
#include "tags/TMetaTag.h"
#include "tags/TagItems.h"
#include "tracks/CellText.h"
#include "tracks/FileIdentity.h"
#include "tracks/Host.h"
#include "tracks/Workspace.h"

#include <QVector>

#include <numeric>
#include <vector>

namespace quillora {

namespace {

// Checked field map rows whose items must stay as the file has them: those
// whose field has no track table column (the row holds no value for them),
// and those whose cell still holds what was read from the file (a text cut
// to its column's width must not be written back cut).
// The writer passes over unchecked rows, so they are unchecked while the
// file is written and checked again on every exit. DisableActions keeps the
// ViewCheck handler quiet meanwhile.
class RowsLeftAsTheyAre {
 public:
  RowsLeftAsTheyAre(FieldModel& fields, QVector<int> rows) : fields_(fields), rows_(std::move(rows)) {
    for (int row : rows_) fields_.mdFieldsInternal.setValue(row, fields_.fm().ViewCheck, false);
  }
  ~RowsLeftAsTheyAre() {
    for (int row : rows_) fields_.mdFieldsInternal.setValue(row, fields_.fm().ViewCheck, true);
  }
  RowsLeftAsTheyAre(const RowsLeftAsTheyAre&) = delete;
  RowsLeftAsTheyAre& operator=(const RowsLeftAsTheyAre&) = delete;

 private:
  FieldModel& fields_;
  QVector<int> rows_;
};

// Fills the value list from a track row through the checked field map rows
// of the media type; an empty cell adds no line, so the writer empties that
// item. Returns the checked rows to leave as they are: those without a track
// table column and, unless the tag was just erased, those whose cell the
// user did not change.
QVector<int> fillValueList(Workspace& ws, TMetaTagTexts& texts, int trackRow, int mediaType,
                           bool tagErased) {
  const MemTable& tracks = ws.tracks.JvMemoryData1;
  const MemTable& map = ws.fields.mdFieldsInternal;
  const FieldMapColumns& fm = ws.fields.fm();
  ws.fields.FilterFieldMap(-1, mediaType, -1);
  texts.Clear();
  QVector<int> unmapped;
  for (int position = 0; position < map.visibleCount(); ++position) {
    const int mapRow = map.visibleRow(position);
    if (!map.value(mapRow, fm.ViewCheck).toBool()) continue;
    const int field = TrackFieldOfMapRow(ws, mapRow);
    if (field == -1 || (!tagErased && !ws.tracks.isCellPending(trackRow, field))) {
      unmapped << mapRow;
      continue;
    }
    const QVariant value = tracks.value(trackRow, field);
    if (!value.isNull())
      texts.SetFieldValue(map.value(mapRow, fm.FieldID).toInt(), CellText(tracks.column(field), value));
  }
  return unmapped;
}

SaveResult commitTrack(Workspace& ws, TMetaTag& tag, int row, const QString& fileName,
                       bool eraseTagFirst) {
  tag.setFileNAme(fileName);
  if (eraseTagFirst) {
    const SaveResult cleared = ClearIDTag(tag, fileName);
    if (cleared.failed()) return cleared;
  }
  tag.BeginUpdate();
  ControlsFrozen frozen(ws.fields.mdFieldsInternal);
  const int mediaType = ws.fields.MediaTypeOfFile(fileName);
  RowsLeftAsTheyAre leftAlone(ws.fields, fillValueList(ws, tag.Texts(), row, mediaType, eraseTagFirst));
  const SaveResult result = tag.Commit();
  tag.EndUpdate();
  return result;
}

QString commitMessage(const FileReport& report) {
  QString text = QStringLiteral("%1 written.").arg(FileCount(report.written()));
  if (report.hasFailures()) text += QLatin1Char(' ') + report.failureList(QStringLiteral("written"));
  return text;
}

SaveResult commitRow(Workspace& ws, TMetaTag& tag, int row, const QString& fileName, bool eraseTagFirst) {
  if (!eraseTagFirst && !ws.tracks.isRowPending(row)) {
    // Every item of such a row would be left as the file has it, so the
    // engine would find nothing to write: the file is not even opened.
    const MediaTagIo* io = MediaTagIoFor(ws.fields.MediaTypeOfFile(fileName));
    return {io && io->save ? SaveResult::Status::Written : SaveResult::Status::NoWriter, QString()};
  }
  if (ws.tracks.fileChangedOnDisk(row, fileName))
    return {SaveResult::Status::Failed,
            QStringLiteral("The file was replaced or changed since the folder was loaded; "
                           "refresh to see its tags")};
  try {
    return commitTrack(ws, tag, row, fileName, eraseTagFirst);
  } catch (const Error& error) {
    // A malformed field map row fails this file only; the others go on.
    return {SaveResult::Status::Failed, error.message()};
  }
}

FileReport commitRows(Workspace& ws, Host& host, bool eraseTagFirst) {
  const MemTable& tracks = ws.tracks.JvMemoryData1;
  FileReport report;
  if (tracks.rowCount() == 0) return report;
  ActionsDisabled disabled(ws.DisableActions);
  TMetaTag& tag = ws.tagObject();
  std::vector<int> rows(size_t(tracks.rowCount()));
  std::iota(rows.begin(), rows.end(), 0);
  const QVector<FileSave> saves =
      SaveRowsTogether(tag.Texts().engine(), host, tracks, rows, [&](int row, const QString& fileName) {
        return commitRow(ws, tag, row, fileName, eraseTagFirst);
      });
  for (const FileSave& save : saves) {
    report.add(RelativeName(tracks, save.row), save.result);
    if (save.result.written()) {
      ws.tracks.rememberAsRead(save.row);
      ws.tracks.rememberFile(save.row, IdentityOfFile(save.fileName));
    }
  }
  return report;
}

}  // namespace

void btnCommitClick(Workspace& ws, Host& host, int senderTag, bool eraseTagFirst) {
  const bool anyTrack = ws.tracks.JvMemoryData1.rowCount() > 0;
  if (anyTrack) ws.tagObject();  // a missing engine is said before anything starts
  host.StartFeedback(senderTag);
  const FileReport report = commitRows(ws, host, eraseTagFirst);
  host.EndFeedback(senderTag);
  if (anyTrack) host.showMessage(commitMessage(report), QStringLiteral("Commit Changes"));
}

}  // namespace quillora
