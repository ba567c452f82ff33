#include "cli/FolderSession.h"

#include "cli/CommandGroup.h"
#include "fields/FieldFiles.h"
#include "tracks/FolderScan.h"

#include <QDir>
#include <QFileInfo>

namespace quillora::cli {

namespace {

// The folder as the directory chooser would give it: absolute, so that the
// name of the folder holding a file can be read from its full name.
QString existingFolder(const QString& folder) {
  if (!QFileInfo(folder).isDir()) throw UsageError(QStringLiteral("%1: no such folder").arg(folder));
  return QDir::cleanPath(QDir(folder).absolutePath());
}

}  // namespace

FolderSession::FolderSession(const QString& folder, bool includeSubdirectories, bool answerYes)
    : host(existingFolder(folder), includeSubdirectories, ws.tracks.JvMemoryData1, answerYes) {
  const QStringList errors = LoadFieldFiles(ws.fields);
  if (!errors.isEmpty()) throw Error(errors.join(QLatin1Char('\n')));
  ws.CreateTagObject();
  FolderScan(ws, host).btnRefreshClick();
  if (!host.statusText().isEmpty()) {
    WriteError(QStringLiteral("%1: %2").arg(host.folder(), host.statusText()));
    scanComplete_ = false;
  }
}

}  // namespace quillora::cli
