// Reading parts of a file by offset, for the layout parsers and the byte
// comparisons of a save's check.
#pragma once

#include "engine/Format.h"

#include <taglib/tbytevector.h>

#include <cstdint>
#include <string>

namespace quillora::engine {

class FileBytes {
 public:
  explicit FileBytes(const std::string& path);
  ~FileBytes();
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  int64_t size() const { return size_; }
  // Up to `length` bytes from `offset`; fewer at the end of the file.
  TagLib::ByteVector read(int64_t offset, int64_t length) const;
  // The same into `out`, which has room for `length` bytes; returns the
  // number of bytes read.
  int64_t readInto(int64_t offset, int64_t length, char* out) const;

 private:
  int fd_ = -1;
  int64_t size_ = 0;
};

// True when the bytes of `a` in `rangesA` equal those of `b` in `rangesB`,
// each list read as one run of bytes.
bool sameBytes(const std::string& a, const Ranges& rangesA, const std::string& b, const Ranges& rangesB);
// True when the two files hold the same bytes, given that the bytes of `a`
// in `same` are known to equal those of `b` at the same places: only the
// rest is read.
bool sameContent(const std::string& a, const std::string& b, const Ranges& same);

}  // namespace quillora::engine
