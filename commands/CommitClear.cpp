#include "commands/CommitClear.h"

#include "commands/ClearIDTag.h"
#include "commands/FileReport.h"
#include "commands/SavedTogether.h"
#include "commands/TrackFiles.h"
#include "fields/Error.h"
#include "tags/TMetaTag.h"
#include "tracks/FolderScan.h"
#include "tracks/Host.h"
#include "tracks/Workspace.h"

namespace quillora {

namespace {

const QString kCaption = QStringLiteral("Commit Clear id3 tag");

FileReport clearRows(Workspace& ws, Host& host, const std::vector<int>& rows) {
  FileReport report;
  if (rows.empty()) return report;
  ActionsDisabled disabled(ws.DisableActions);
  TMetaTag& tag = ws.tagObject();
  const MemTable& tracks = ws.tracks.JvMemoryData1;
  const QString folder = host.folder();
  const int count = int(rows.size());
  QVector<FileSave> saves;
  saves.reserve(count);
  SavedTogether together(tag.Texts().engine());
  for (int position = 0; position < count; ++position) {
    const int row = rows[size_t(position)];
    host.StepBusyIndicator();
    host.setStatusText(QStringLiteral("%1 of %2").arg(position + 1).arg(count));
    FileSave save{row, TrackFileName(folder, tracks, row), {}};
    try {
      save.result = ClearIDTag(tag, save.fileName);
    } catch (const Error& error) {
      save.result = {SaveResult::Status::Failed, error.message()};
    }
    saves.append(save);
    host.processEvents();
  }
  together.finish(saves);
  for (const FileSave& save : saves) report.add(RelativeName(tracks, save.row), save.result);
  host.setStatusText(QString());
  return report;
}

}  // namespace

void btnCommitClearClick(Workspace& ws, Host& host, int senderTag) {
  const std::vector<int> rows = host.displayedRows();
  if (!rows.empty()) {
    ws.tagObject();  // a missing engine is said before anything starts
    const QString question = QStringLiteral("Remove every tag from %1?").arg(FileCount(int(rows.size())));
    if (!host.confirm(question, kCaption)) return;
  }
  host.StartFeedback(senderTag);
  const FileReport report = clearRows(ws, host, rows);
  host.EndFeedback(senderTag);
  FolderScan(ws, host).btnRefreshClick();
  if (report.hasFailures()) host.showMessage(report.failureList(QStringLiteral("cleared")), kCaption);
}

}  // namespace quillora
