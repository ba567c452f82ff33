// A file opened for reading only, for TagLib: a seek is only a position, and
// the reads are served from one window of the file read at once, so reading
// a file's tags costs a few system calls instead of one per seek and read.
#pragma once

#include <taglib/tiostream.h>

#include <string>

namespace quillora::engine {

class ReadStream final : public TagLib::IOStream {
 public:
  explicit ReadStream(const std::string& path);
  ~ReadStream() override;
  ReadStream(const ReadStream&) = delete;
  ReadStream& operator=(const ReadStream&) = delete;

  TagLib::FileName name() const override { return path_.c_str(); }
  TagLib::ByteVector readBlock(unsigned long length) override;
  // The stream never writes.
  void writeBlock(const TagLib::ByteVector&) override {}
  void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
  void removeBlock(unsigned long, unsigned long) override {}
  void truncate(long) override {}
  bool readOnly() const override { return true; }
  bool isOpen() const override { return fd_ >= 0; }
  // A position before the start leaves the position as it was.
  void seek(long offset, Position p = Beginning) override;
  long tell() const override { return position_; }
  long length() override { return length_; }

 private:
  std::string path_;
  int fd_ = -1;
  long length_ = 0;
  long position_ = 0;
  long windowStart_ = 0;
  TagLib::ByteVector window_;
};

}  // namespace quillora::engine
