#include "cli/FolderSession.h"

#include "cli/CommandGroup.h"
#include "commands/TrackFiles.h"
#include "fields/FieldFiles.h"
#include "tracks/FolderScan.h"
#include "tracks/TrackPaths.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

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
  reportUnreadableFiles();
}

// The scan lists a file it cannot read with empty cells, as the window does;
// here each such file is named, since its empty cells are not its tags.
void FolderSession::reportUnreadableFiles() {
  const MemTable& tracks = ws.tracks.JvMemoryData1;
  for (int row = 0; row < tracks.rowCount(); ++row) {
    // By the name's bytes: QFile cannot open a name that is not UTF-8.
    const int fd = ::open(FileNameBytes(TrackFileName(host.folder(), tracks, row)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
      ::close(fd);
      continue;
    }
    WriteError(QStringLiteral("%1: %2").arg(RelativeName(tracks, row), QString::fromLocal8Bit(std::strerror(errno))));
    scanComplete_ = false;
  }
}

}  // namespace quillora::cli
