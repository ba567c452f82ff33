#include "tracks/FileIdentity.h"

#include "tracks/TrackPaths.h"

#include <sys/stat.h>

namespace quillora {

std::optional<FileIdentity> IdentityOfFile(const QString& fullName) {
  struct stat info {};
  if (::stat(FileNameBytes(fullName).constData(), &info) != 0) return std::nullopt;
  return FileIdentity{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                      qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

}  // namespace quillora
