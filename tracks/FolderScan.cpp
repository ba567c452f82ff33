#include "tracks/FolderScan.h"

#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "tags/TMetaTag.h"
#include "tracks/ActionsDisabled.h"
#include "tracks/Host.h"
#include "tracks/TrackPaths.h"
#include "tracks/Workspace.h"

#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace quillora {

namespace {

struct Entry {
  QString name;
  bool isFolder = false;
};

enum class Listing { Read, Failed, AlreadyEntered };

// Reads one folder's entries, "." and ".." left out, in name order ignoring
// case. A symbolic link counts as what it points to. The folder's device and
// inode go into `entered`; a folder found there already is not read again.
Listing listFolder(const QString& path, QSet<std::pair<quint64, quint64>>& entered,
                   std::vector<Entry>& entries, int& error) {
  const QByteArray encoded = FileNameBytes(path);
  DIR* dir = opendir(encoded.constData());
  if (!dir) {
    error = errno;
    return Listing::Failed;
  }
  const auto closer = qScopeGuard([dir] { closedir(dir); });
  struct stat info {};
  if (fstat(dirfd(dir), &info) == 0) {
    const std::pair<quint64, quint64> identity{quint64(info.st_dev), quint64(info.st_ino)};
    if (entered.contains(identity)) return Listing::AlreadyEntered;
    entered.insert(identity);
  }
  const QByteArray prefix = encoded.endsWith('/') ? encoded : encoded + '/';
  while (const dirent* item = readdir(dir)) {
    const char* name = item->d_name;
    if (qstrcmp(name, ".") == 0 || qstrcmp(name, "..") == 0) continue;
    Entry entry{FileNameText(name), item->d_type == DT_DIR};
    if (item->d_type == DT_LNK || item->d_type == DT_UNKNOWN) {
      struct stat target {};
      entry.isFolder = stat((prefix + name).constData(), &target) == 0 && S_ISDIR(target.st_mode);
    }
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const int order = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.name < b.name;
  });
  return Listing::Read;
}

}  // namespace

void FolderScan::Button1Click(const QString& directory) {
  load(QStringLiteral("Loading mp3s id3v2"), directory);
}

void FolderScan::btnRefreshClick() {
  load(QStringLiteral("Refreshing Quillora field values"), std::nullopt);
}

void FolderScan::load(const QString& statusText, const std::optional<QString>& newFolder) {
  tag_ = &ws_.tagObject();
  ActionsDisabled disabled(ws_.DisableActions);
  ws_.fields.mdFieldsInternal.clearFilter();
  ws_.fields.ResetFieldMapView();
  if (newFolder) host_.setFolder(*newFolder);
  TrackList& tracks = ws_.tracks;
  tracks.JvMemoryData1.close();
  tracks.ResetTrackFields();
  tracks.JvMemoryData1.open();

  entered_.clear();
  unreadableFolders_ = 0;
  stopped_ = false;
  host_.setStatusText(statusText);
  try {
    ScanFolder(QString());
  } catch (...) {
    host_.setStatusText(QString());
    throw;
  }
  host_.setStatusText(finalStatus());
}

void FolderScan::ScanFolder(const QString& sub) {
  const QString folder = host_.folder();
  const QString path = !sub.isEmpty()      ? FullFileName(folder, sub)
                       : folder.isEmpty() ? QStringLiteral("/")
                                           : folder;
  std::vector<Entry> entries;
  int error = 0;
  switch (listFolder(path, entered_, entries, error)) {
    case Listing::Read: break;
    case Listing::AlreadyEntered: return;
    case Listing::Failed:
      // A folder box naming no folder lists nothing, silently.
      if (!sub.isEmpty() || error != ENOENT) ++unreadableFolders_;
      return;
  }
  for (const Entry& entry : entries) {
    if (!stopped_) stopped_ = host_.stopRequested();
    if (stopped_) return;
    const QString relative = sub.isEmpty() ? entry.name : sub + QLatin1Char('/') + entry.name;
    if (entry.isFolder) {
      if (host_.includeSubdirectories()) ScanFolder(relative);
      continue;
    }
    AddTrackFile(relative);
    host_.processEvents();
  }
}

void FolderScan::AddTrackFile(const QString& relativeName) {
  FieldModel& fields = ws_.fields;
  const QString extension = FileExtension(relativeName);
  if (!fields.IsKnownExtension(extension)) return;
  const int mediaType = fields.MediaTypeOfExt(extension);

  tag_->setFileNAme(FullFileName(host_.folder(), relativeName));
  const auto inactive = qScopeGuard([this] { tag_->setActive(false); });
  // A file that cannot be read is still listed, with empty cells: never with
  // the values of the file read before it.
  QStringList values;
  try {
    tag_->setActive(true);
    values = tag_->Texts().Lines();
  } catch (const Error&) {
  }
  MemTable& table = ws_.tracks.JvMemoryData1;
  table.append();
  ws_.tracks.FillTrackRow(values, relativeName, mediaType);
  table.post();
  ws_.tracks.rememberAsRead(table.currentRow());
  ws_.tracks.rememberFile(table.currentRow(), IdentityOfFile(tag_->FileNAme()));
}

QString FolderScan::finalStatus() const {
  QStringList parts;
  if (stopped_) {
    const int listed = ws_.tracks.JvMemoryData1.rowCount();
    parts << (listed == 1 ? QStringLiteral("Scan stopped: 1 file listed")
                          : QStringLiteral("Scan stopped: %1 files listed").arg(listed));
  }
  if (unreadableFolders_ == 1)
    parts << QStringLiteral("1 folder could not be read");
  else if (unreadableFolders_ > 1)
    parts << QStringLiteral("%1 folders could not be read").arg(unreadableFolders_);
  return parts.join(QStringLiteral("; "));
}

}  // namespace quillora
