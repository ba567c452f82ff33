#include "engine/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace quillora::engine {

FileBytes::FileBytes(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  struct stat st {};
  if (fd_ >= 0 && fstat(fd_, &st) == 0) size_ = st.st_size;
}

FileBytes::~FileBytes() {
  if (fd_ >= 0) ::close(fd_);
}

TagLib::ByteVector FileBytes::read(int64_t offset, int64_t length) const {
  if (fd_ < 0 || offset < 0 || length <= 0 || offset >= size_) return {};
  length = std::min(length, size_ - offset);
  TagLib::ByteVector bytes(static_cast<unsigned int>(length), '\0');
  bytes.resize(static_cast<unsigned int>(readInto(offset, length, bytes.data())));
  return bytes;
}

int64_t FileBytes::readInto(int64_t offset, int64_t length, char* out) const {
  if (fd_ < 0 || offset < 0 || length <= 0 || offset >= size_) return 0;
  length = std::min(length, size_ - offset);
  int64_t done = 0;
  while (done < length) {
    const ssize_t got = pread(fd_, out + done, length - done, offset + done);
    if (got <= 0) break;
    done += got;
  }
  return done;
}

namespace {

// Walks a list of ranges as one run of bytes, a block at a time, into a
// buffer the caller keeps: a save compares every audio byte of the file, and
// a fresh buffer per block (or per range) costs more than reading it.
class RangeReader {
 public:
  RangeReader(const FileBytes& file, const Ranges& ranges) : file_(file), ranges_(ranges) {}
  // Fills out[0, length); false when the file is shorter than its layout.
  bool next(int64_t length, char* out) {
    int64_t filled = 0;
    while (filled < length && index_ < ranges_.size()) {
      const Range& r = ranges_[index_];
      const int64_t take = std::min(length - filled, r.length - within_);
      if (file_.readInto(r.offset + within_, take, out + filled) != take) return false;
      filled += take;
      within_ += take;
      if (within_ == r.length) ++index_, within_ = 0;
    }
    return filled == length;
  }

 private:
  const FileBytes& file_;
  const Ranges& ranges_;
  size_t index_ = 0;
  int64_t within_ = 0;
};

int64_t total(const Ranges& ranges) {
  int64_t sum = 0;
  for (const Range& r : ranges) sum += r.length;
  return sum;
}

bool sameBytes(const FileBytes& fileA, const Ranges& rangesA, const FileBytes& fileB, const Ranges& rangesB) {
  const int64_t length = total(rangesA);
  if (length != total(rangesB) || !fileA.isOpen() || !fileB.isOpen()) return false;
  RangeReader readerA(fileA, rangesA), readerB(fileB, rangesB);
  constexpr int64_t kBlock = 1 << 16;
  std::vector<char> blockA(kBlock), blockB(kBlock);
  for (int64_t done = 0; done < length; done += kBlock) {
    const int64_t want = std::min(kBlock, length - done);
    if (!readerA.next(want, blockA.data()) || !readerB.next(want, blockB.data()) ||
        std::memcmp(blockA.data(), blockB.data(), size_t(want)) != 0)
      return false;
  }
  return true;
}

// The parts of a file of `size` bytes outside `inside`.
Ranges outside(Ranges inside, int64_t size) {
  std::sort(inside.begin(), inside.end(), [](const Range& x, const Range& y) { return x.offset < y.offset; });
  Ranges rest;
  int64_t at = 0;
  for (const Range& r : inside) {
    if (r.offset > at) rest.push_back({at, std::min(r.offset, size) - at});
    at = std::max(at, r.offset + r.length);
    if (at >= size) return rest;
  }
  rest.push_back({at, size - at});
  return rest;
}

}  // namespace

bool sameBytes(const std::string& a, const Ranges& rangesA, const std::string& b, const Ranges& rangesB) {
  return sameBytes(FileBytes(a), rangesA, FileBytes(b), rangesB);
}

bool sameContent(const std::string& a, const std::string& b, const Ranges& same) {
  const FileBytes fileA(a), fileB(b);
  if (!fileA.isOpen() || !fileB.isOpen() || fileA.size() != fileB.size()) return false;
  const Ranges rest = outside(same, fileA.size());
  return sameBytes(fileA, rest, fileB, rest);
}

}  // namespace quillora::engine
