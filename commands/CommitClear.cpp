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
  const QVector<FileSave> saves =
      SaveRowsTogether(tag.Texts().engine(), host, tracks, rows, [&](int, const QString& fileName) {
        try {
          return ClearIDTag(tag, fileName);
        } catch (const Error& error) {
          return SaveResult{SaveResult::Status::Failed, error.message()};
        }
      });
  for (const FileSave& save : saves) report.add(RelativeName(tracks, save.row), save.result);
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
