// Clearing removes every tag of the current file through the same checked
// save; the audio stays as it was.
#include "EngineTestSupport.h"
#include "Families.h"

#include <gtest/gtest.h>

#include <taglib/mpegfile.h>

namespace quillora::test {
namespace {

class ClearFamily : public ::testing::TestWithParam<Family> {};

TEST_P(ClearFamily, EveryItemIsGone) {
  const Family& f = GetParam();
  TempDir dir;
  const std::string path = dir.copy(f.fixture);
  const std::string pcm = decodedAudio(path);
  ASSERT_TRUE(analyze(path));
  ASSERT_EQ(AUDIOClearTagsW(), -1) << lastError();
  EXPECT_EQ(lastError(), "");

  for (const auto& [key, text] : f.read(path)) {
    if (key != "vendor") {
      EXPECT_EQ(text, "") << f.name << " " << key;
    }
  }
  for (const auto& key : f.keys) {
    if (key != "vendor") {
      EXPECT_EQ(f.get(key), "") << f.name << " " << key;
    }
  }
  if (!path.ends_with(".ape")) {
    EXPECT_EQ(decodedAudio(path), pcm);
  }
  EXPECT_EQ(listing(dir.path()), f.fixture + "\n");
}

INSTANTIATE_TEST_SUITE_P(Engine, ClearFamily, ::testing::ValuesIn(families()),
                         [](const auto& info) { return info.param.name; });

TEST(Clear, AnMp3LosesItsId3v2AndId3v1Tags) {
  TempDir dir;
  const std::string path = dir.copy("v23.mp3");
  ASSERT_TRUE(analyze(path));
  ASSERT_EQ(AUDIOClearTagsW(), -1) << lastError();
  TagLib::MPEG::File file(path.c_str());
  EXPECT_FALSE(file.hasID3v2Tag());
  EXPECT_FALSE(file.hasID3v1Tag());
  EXPECT_EQ(readBytes(path), readBytes(fixturePath("plain.mp3")));
}

TEST(Clear, AFileWithoutTagsIsNotTouched) {
  TempDir dir;
  const std::string path = dir.copy("plain.mp3");
  const struct stat before = statOf(path);
  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(AUDIOClearTagsW(), -1) << lastError();
  EXPECT_TRUE(sameTime(before.st_mtim, statOf(path).st_mtim));
  EXPECT_EQ(before.st_ino, statOf(path).st_ino);
}

TEST(Clear, AFileOfNoKnownFormatFails) {
  TempDir dir;
  const std::string path = dir.copy("plain.wv");
  const std::string bytes = readBytes(path);
  EXPECT_FALSE(analyze(path));
  EXPECT_EQ(AUDIOClearTagsW(), 0);
  EXPECT_EQ(lastError(), "Not a supported audio file");
  EXPECT_EQ(readBytes(path), bytes);
}

}  // namespace
}  // namespace quillora::test
