// Media types of file names and extensions.
#include "fields/FieldModel.h"

#include <gtest/gtest.h>

using namespace quillora;

namespace {

TEST(MediaType, OfFile) {
  const struct {
    const char* file;
    int type;
  } cases[] = {
      {"a.Mp3", 1},        {"a.mp3", 1},       {"Live/Disc 1/01 Intro.MPG", 1},
      {"a.wav", 5},        {"a.wavpack", 11},  {"a.m4a", 9},
      {"a.flac", 4},       {"a.ape", 13},      {"a.mpeg", 7},
      {"a.wma", 2},        {"a.ogg", 6},       {"a.tta", 10},
      {"track", -1},       {"track.", -1},     {"a.xyz", -1},
      {"my.music/track", -1}, {"/home/me/my.music/t.ogg", 6}, {"a.mp3.txt", -1},
  };
  FieldModel model;
  for (const auto& c : cases) EXPECT_EQ(model.MediaTypeOfFile(c.file), c.type) << c.file;
}

TEST(MediaType, OfExtensionMatchesAnyPartOfAList) {
  const struct {
    const char* ext;
    int type;
  } cases[] = {
      {"MP", 1}, {"AC", 4}, {"A", 2}, {"mp4", 9}, {"M4V", 9}, {"", -1}, {",", 1}, {"MP3,", 1},
      {"\xC3\xA4", -1},
  };
  FieldModel model;
  for (const auto& c : cases) EXPECT_EQ(model.MediaTypeOfExt(QString::fromUtf8(c.ext)), c.type) << c.ext;
}

TEST(MediaType, ExtensionListJoinsEveryFormatsList) {
  FieldModel model;
  const QString list = model.ExtensionList();
  EXPECT_EQ(list.size(), 90);
  EXPECT_TRUE(list.startsWith(",MPG,MP3,,WMA,AVI,,FLAC,"));
  EXPECT_TRUE(list.endsWith(",MP4,M4A,M4V,,APE,"));
}

}  // namespace
