#include "bench/BareReplace.h"

#include "bench/BareTagLib.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace quillora::bench {

namespace {

struct Copy {
  QByteArray file, copy;
  int fd = -1;
};

int flushAndRename(std::vector<Copy>& copies) {
  int replaced = 0;
  for (const Copy& c : copies) fsync(c.fd);
  for (Copy& c : copies) {
    replaced += rename(c.copy.constData(), c.file.constData()) == 0;
    close(c.fd);
  }
  copies.clear();
  return replaced;
}

}  // namespace

int ReplaceFolderWithCopies(const QString& folder) {
  int replaced = 0;
  std::vector<Copy> copies;
  for (const QString& name : FolderFiles(folder)) {
    QFile in(name);
    if (!in.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = in.readAll();
    Copy c{QFile::encodeName(name), QFile::encodeName(name + QStringLiteral(".copy")), -1};
    c.fd = ::open(c.copy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (c.fd < 0) continue;
    if (::write(c.fd, bytes.constData(), size_t(bytes.size())) != bytes.size()) {
      close(c.fd);
      continue;
    }
    copies.push_back(c);
    if (copies.size() == 64) replaced += flushAndRename(copies);
  }
  return replaced + flushAndRename(copies);
}

}  // namespace quillora::bench
