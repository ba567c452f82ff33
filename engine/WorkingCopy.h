// The copy of a file that a save works on: made in the file's folder under a
// name no folder scan lists as audio, removed unless it replaces the file.
#pragma once

#include "engine/Format.h"

#include <sys/stat.h>

#include <string>

namespace quillora::engine {

class WorkingCopy {
 public:
  // Creates an empty copy beside `target`; the first copy this process makes
  // in a folder first removes the copies that a process which no longer runs
  // left there. Throws Failure.
  explicit WorkingCopy(const std::string& target);
  ~WorkingCopy();
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  const std::string& path() const { return path_; }
  const std::string& target() const { return target_; }
  // Copies the target's bytes, the first `prefix.replaced` of them replaced
  // by `prefix.bytes`.
  void fill(const Prefix& prefix);
  // Gives the copy the target's owner (where it may) and permission bits, as
  // `info` tells them. Throws Failure.
  void keepOwnerAndMode(const struct stat& info);
  // Starts writing the copy to disk without waiting for it, so that several
  // copies go to the disk together.
  void startFlush();
  // Returns once the copy is on disk. Throws Failure.
  void flush();
  // Renames the copy over the target. Throws Failure.
  void putInPlace();
  // keepOwnerAndMode, flush, putInPlace, then the folder flushed.
  void replace(const struct stat& info);
  const std::string& folder() const { return folder_; }

 private:
  std::string target_, folder_, path_;
  int fd_ = -1;
  bool replaced_ = false;
};

// Flushes a folder's entries (a rename in it) to disk; a folder that cannot
// be opened is left as it is.
void flushFolder(const std::string& folder);

}  // namespace quillora::engine
