// The copy of a file that a save works on: made in the file's folder under a
// name no folder scan lists as audio, removed unless it replaces the file.
#pragma once

#include "engine/Format.h"

#include <sys/stat.h>

#include <string>

namespace quillora::engine {

class WorkingCopy {
 public:
  // Creates an empty copy beside `target`, first removing copies that a
  // process which no longer runs left in that folder. Throws Failure.
  explicit WorkingCopy(const std::string& target);
  ~WorkingCopy();
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  const std::string& path() const { return path_; }
  // Copies the target's bytes, the first `prefix.replaced` of them replaced
  // by `prefix.bytes`.
  void fill(const Prefix& prefix);
  // Flushes the copy, gives it the target's owner and permission bits as
  // `info` tells them, renames it over the target and flushes the folder.
  void replace(const struct stat& info);

 private:
  std::string target_, folder_, path_;
  int fd_ = -1;
  bool replaced_ = false;
};

}  // namespace quillora::engine
