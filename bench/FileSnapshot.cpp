#include "bench/FileSnapshot.h"

#include "bench/BareTagLib.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace quillora::bench {

FileSnapshot::FileSnapshot(const QString& folder) {
  for (const QString& file : FolderFiles(folder)) {
    FileState state;
    struct stat info {};
    if (stat(QFile::encodeName(file).constData(), &info) == 0) {
      state.inode = info.st_ino;
      state.mtimeNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
      state.size = info.st_size;
    }
    QFile bytes(file);
    if (bytes.open(QIODevice::ReadOnly)) {
      QCryptographicHash hash(QCryptographicHash::Sha1);
      hash.addData(&bytes);
      state.hash = hash.result();
    }
    files_.insert(file, state);
  }
}

int FileSnapshot::modifiedIn(const FileSnapshot& later) const {
  int modified = 0;
  for (auto file = files_.cbegin(); file != files_.cend(); ++file) {
    const auto now = later.files_.constFind(file.key());
    if (now == later.files_.cend() || !(*now == file.value())) ++modified;
  }
  return modified;
}

}  // namespace quillora::bench
