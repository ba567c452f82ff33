// What a folder's files are on disk (inode, modification time, size and a
// hash of the bytes), to tell afterwards how many of them a command touched.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace quillora::bench {

struct FileState {
  quint64 inode = 0;
  qint64 mtimeNs = 0;
  qint64 size = 0;
  QByteArray hash;
  bool operator==(const FileState&) const = default;
};

class FileSnapshot {
 public:
  explicit FileSnapshot(const QString& folder);
  // Files of this snapshot that differ in `later` in any respect, or are gone.
  int modifiedIn(const FileSnapshot& later) const;

 private:
  QMap<QString, FileState> files_;
};

}  // namespace quillora::bench
