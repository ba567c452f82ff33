// The read-only stream the engine reads tags through must give TagLib the
// same bytes and positions as TagLib's own file stream, for reads inside its
// window, across its edge, larger than it, and past the end of the file.
#include "engine/ReadStream.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>
#include <taglib/tfilestream.h>

#include <fstream>

namespace quillora::test {
namespace {

using TagLib::IOStream;

struct Step {
  long offset;
  IOStream::Position from;
  unsigned long length;
};

TEST(ReadStreamTest, ReadsAndSeeksAsTagLibsFileStream) {
  const TempDir dir;
  const std::string path = dir.file("bytes.bin");
  constexpr long kSize = 200000;  // more than three windows
  {
    std::ofstream out(path, std::ios::binary);
    for (long i = 0; i < kSize; ++i) out.put(static_cast<char>((i * 7 + i / 251) & 0xFF));
  }
  const Step steps[] = {
      {0, IOStream::Beginning, 10},       {5, IOStream::Current, 100},   {-128, IOStream::End, 128},
      {-160, IOStream::End, 32},          {65530, IOStream::Beginning, 20}, {0, IOStream::Current, 70000},
      {-10, IOStream::Current, 4},        {-5, IOStream::Beginning, 3},  {kSize - 3, IOStream::Beginning, 10},
      {10, IOStream::End, 5},             {100, IOStream::Beginning, 0}, {0, IOStream::Beginning, 300000},
  };
  TagLib::FileStream expected(path.c_str(), true);
  engine::ReadStream actual(path);
  ASSERT_TRUE(actual.isOpen());
  EXPECT_EQ(actual.length(), expected.length());
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.offset) + " from " + std::to_string(step.from) + ", " +
                 std::to_string(step.length) + " bytes");
    expected.seek(step.offset, step.from);
    actual.seek(step.offset, step.from);
    EXPECT_EQ(actual.tell(), expected.tell());
    EXPECT_EQ(actual.readBlock(step.length), expected.readBlock(step.length));
    EXPECT_EQ(actual.tell(), expected.tell());
  }
}

TEST(ReadStreamTest, AMissingFileIsNotOpenAndReadsNothing) {
  const TempDir dir;
  engine::ReadStream stream(dir.file("gone.mp3"));
  EXPECT_FALSE(stream.isOpen());
  EXPECT_TRUE(stream.readBlock(10).isEmpty());
}

}  // namespace
}  // namespace quillora::test
