#include "engine/ReadStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quillora::engine {

namespace {

constexpr long kWindowSize = 64 * 1024;

// Up to `length` bytes at `offset`; fewer at the end of the file or on an error.
TagLib::ByteVector readAt(int fd, long offset, long length) {
  TagLib::ByteVector bytes(static_cast<unsigned int>(length));
  long done = 0;
  while (done < length) {
    const ssize_t n = ::pread(fd, bytes.data() + done, static_cast<size_t>(length - done), offset + done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  bytes.resize(static_cast<unsigned int>(done));
  return bytes;
}

}  // namespace

ReadStream::ReadStream(const std::string& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
    ::close(fd_);
    fd_ = -1;
  }
  if (fd_ >= 0) length_ = static_cast<long>(info.st_size);
}

ReadStream::~ReadStream() {
  if (fd_ >= 0) ::close(fd_);
}

TagLib::ByteVector ReadStream::readBlock(unsigned long length) {
  if (!isOpen() || length == 0 || position_ >= length_) return {};
  const long wanted = static_cast<long>(std::min<unsigned long>(length, static_cast<unsigned long>(length_ - position_)));
  const long windowEnd = windowStart_ + static_cast<long>(window_.size());
  if (position_ < windowStart_ || position_ + wanted > windowEnd) {
    if (wanted >= kWindowSize) {
      TagLib::ByteVector bytes = readAt(fd_, position_, wanted);
      position_ += static_cast<long>(bytes.size());
      return bytes;
    }
    windowStart_ = position_;
    window_ = readAt(fd_, position_, kWindowSize);
  }
  TagLib::ByteVector bytes = window_.mid(static_cast<unsigned int>(position_ - windowStart_),
                                         static_cast<unsigned int>(wanted));
  position_ += static_cast<long>(bytes.size());
  return bytes;
}

void ReadStream::seek(long offset, Position p) {
  const long base = p == Beginning ? 0 : p == Current ? position_ : length_;
  if (base + offset >= 0) position_ = base + offset;
}

}  // namespace quillora::engine
