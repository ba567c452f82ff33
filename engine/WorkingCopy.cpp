#include "engine/WorkingCopy.h"

#include "engine/SafeSave.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <vector>

namespace quillora::engine {

namespace {

[[noreturn]] void fail(const char* what) {
  throw Failure(std::string(what) + ": " + std::strerror(errno));
}

// A copy left by a process that is gone. A folder is swept before this
// process makes its first copy there, so a copy under this process's own id
// is one that an earlier process of the same id left.
bool stale(const std::string& name) {
  const auto marker = name.find(kTempMarker);
  if (name.empty() || name[0] != '.' || marker == std::string::npos) return false;
  const std::string rest = name.substr(marker + std::strlen(kTempMarker));
  const auto dash = rest.find('-');
  if (dash == std::string::npos || dash == 0 || rest.find_first_not_of("0123456789") != dash) return false;
  const pid_t pid = static_cast<pid_t>(std::stol(rest.substr(0, dash)));
  return pid == getpid() || (kill(pid, 0) != 0 && errno == ESRCH);
}

// Once per folder: reading a large folder for every save would cost more
// than the save.
void removeStaleCopies(const std::string& folder) {
  static std::set<std::string> swept;
  if (!swept.insert(folder).second) return;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir))
    if (stale(entry->d_name)) names.emplace_back(entry->d_name);
  for (const std::string& name : names) {
    struct stat info {};
    if (fstatat(dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
      unlinkat(dirfd(dir), name.c_str(), 0);
  }
  closedir(dir);
}

bool writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t done = ::write(fd, data, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    data += done, size -= done;
  }
  return true;
}

}  // namespace

WorkingCopy::WorkingCopy(const std::string& target) : target_(target) {
  const auto slash = target.find_last_of('/');
  folder_ = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.size() > 180) name.resize(180);  // room for the marker within a file name's 255 bytes
  removeStaleCopies(folder_);
  std::string pattern = folder_ + "/." + name + kTempMarker + std::to_string(getpid()) + "-XXXXXX";
  fd_ = mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) fail("The working copy could not be made");
  path_ = pattern;
}

WorkingCopy::~WorkingCopy() {
  if (fd_ >= 0) ::close(fd_);
  if (!replaced_) unlink(path_.c_str());
}

void WorkingCopy::fill(const Prefix& prefix) {
  const int in = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) fail("The file could not be read");
  bool ok = writeAll(fd_, prefix.bytes.data(), prefix.bytes.size()) &&
            lseek(in, prefix.replaced, SEEK_SET) == prefix.replaced;
  std::vector<char> buffer(1 << 16);
  for (ssize_t got = 0; ok && (got = ::read(in, buffer.data(), buffer.size())) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    ok = got > 0 && writeAll(fd_, buffer.data(), static_cast<size_t>(got));
  }
  const int error = errno;
  ::close(in);
  if (!ok) {
    errno = error;
    fail("The working copy could not be written");
  }
}

void WorkingCopy::keepOwnerAndMode(const struct stat& info) {
  // Keeps the owner where we may (root); a user keeps at least the group.
  if (fchown(fd_, info.st_uid, info.st_gid) != 0 && fchown(fd_, static_cast<uid_t>(-1), info.st_gid) != 0) {
    // The copy stays the saving user's; its permission bits are still copied.
  }
  if (fchmod(fd_, info.st_mode & 07777) != 0) fail("The permissions could not be kept");
}

void WorkingCopy::startFlush() {
  // Only a head start: flush() is what makes sure.
  sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

void WorkingCopy::flush() {
  if (fsync(fd_) != 0) fail("The working copy could not be flushed");
}

void WorkingCopy::putInPlace() {
  if (rename(path_.c_str(), target_.c_str()) != 0) fail("The file could not be replaced");
  replaced_ = true;
}

void WorkingCopy::replace(const struct stat& info) {
  keepOwnerAndMode(info);
  flush();
  putInPlace();
  flushFolder(folder_);
}

void flushFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    ::close(dir);
  }
}

}  // namespace quillora::engine
