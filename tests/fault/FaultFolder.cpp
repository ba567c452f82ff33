#include "FaultFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>

namespace quillora {

namespace {

void collect(const QByteArray& folder, const QByteArray& prefix, QList<QByteArray>& names) {
  DIR* dir = opendir(folder.constData());
  if (!dir) return;
  while (const dirent* entry = readdir(dir)) {
    const QByteArray name(entry->d_name);
    if (name == "." || name == "..") continue;
    names << prefix + name;
    if (entry->d_type == DT_DIR) collect(folder + '/' + name, prefix + name + '/', names);
  }
  closedir(dir);
}

int removeEntry(const char* path, const struct stat*, int, FTW*) {
  remove(path);
  return 0;
}

}  // namespace

FaultFolder::~FaultFolder() {
  nftw(root_.constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

FaultFolder::FaultFolder() : root_(QFile::encodeName(dir_.path())) {
  chmod(root_.constData(), 0755);
  MakeFolders(path());
}

void FaultFolder::add(const char* fixture, const QByteArray& relativeName) const {
  const QByteArray target = file(relativeName);
  MakeFolders(target.left(target.lastIndexOf('/')));
  WriteBytes(target, FixtureBytes(fixture));
}

QList<QByteArray> FaultFolder::tree() const {
  QList<QByteArray> names;
  collect(path(), QByteArray(), names);
  std::sort(names.begin(), names.end());
  return names;
}

QByteArray FixtureBytes(const char* fixture) {
  return ReadBytes(QByteArray(QUILLORA_TEST_DATA "/") + fixture);
}

QByteArray ReadBytes(const QByteArray& path) {
  QByteArray bytes;
  const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    ADD_FAILURE() << "cannot read " << path.toStdString();
    return bytes;
  }
  char buffer[65536];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, got);
  close(fd);
  return bytes;
}

void WriteBytes(const QByteArray& path, const QByteArray& bytes) {
  const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const bool written = fd >= 0 && write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
  if (fd >= 0) close(fd);
  if (!written) ADD_FAILURE() << "cannot write " << path.toStdString();
}

void MakeFolders(const QByteArray& path) {
  for (qsizetype slash = path.indexOf('/', 1); slash != -1; slash = path.indexOf('/', slash + 1))
    mkdir(path.left(slash).constData(), 0755);
  if (mkdir(path.constData(), 0755) != 0 && errno != EEXIST) ADD_FAILURE() << "cannot make " << path.toStdString();
}

}  // namespace quillora
