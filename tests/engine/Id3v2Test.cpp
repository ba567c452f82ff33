// ID3v2 on MPEG files: tags keep their version, ID3v1 tags are neither made
// nor dropped, and no save loses a frame, not even where TagLib 1.13 misreads
// a tag with an extended header.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

namespace quillora::test {
namespace {

struct VersionCase {
  std::string fixture;
  int version;  // of the tag after the save
};

void PrintTo(const VersionCase& c, std::ostream* out) {
  *out << c.fixture;
}

class Id3v2Version : public ::testing::TestWithParam<VersionCase> {};

TEST_P(Id3v2Version, ATagKeepsItsVersionAndANewTagIsVersionThree) {
  TempDir dir;
  const std::string path = dir.copy(GetParam().fixture);
  ASSERT_TRUE(analyze(path));
  ID3V2SetTextFrameW(frameId("TIT2"), u16("Заголовок 標題").c_str());
  ID3V2SetTextFrameW(frameId("TDRC"), u16("2004").c_str());
  ASSERT_EQ(ID3V2SaveChangesW(), -1) << lastError();

  TagLib::MPEG::File file(path.c_str());
  ASSERT_TRUE(file.hasID3v2Tag());
  EXPECT_EQ(file.ID3v2Tag()->header()->majorVersion(), static_cast<unsigned>(GetParam().version));
  EXPECT_EQ(file.ID3v2Tag()->title().to8Bit(true), "Заголовок 標題");
  EXPECT_EQ(file.ID3v2Tag()->year(), 2004U);
  EXPECT_FALSE(file.hasAPETag());
}

INSTANTIATE_TEST_SUITE_P(Engine, Id3v2Version,
                         ::testing::Values(VersionCase{"v23.mp3", 3}, VersionCase{"v24.mp3", 4},
                                           VersionCase{"plain.mp3", 3}),
                         [](const auto& info) { return "v" + std::to_string(info.index); });

TEST(Id3v1, AnId3v1TagIsKeptAsItIsAndNoneIsMade) {
  TempDir dir;
  const std::string withV1 = dir.copy("v23.mp3");
  const std::string without = dir.copy("plain.mp3");
  const std::string v1Before = readBytes(withV1).substr(readBytes(withV1).size() - 128);
  for (const std::string& path : {withV1, without}) {
    ASSERT_TRUE(analyze(path));
    ID3V2SetTextFrameW(frameId("TIT2"), u16("A new title").c_str());
    ASSERT_EQ(ID3V2SaveChangesW(), -1) << lastError();
  }
  EXPECT_EQ(readBytes(withV1).substr(readBytes(withV1).size() - 128), v1Before);
  TagLib::MPEG::File file(without.c_str());
  EXPECT_FALSE(file.hasID3v1Tag());
  EXPECT_FALSE(file.hasAPETag());
}

// A syncsafe size, as ID3v2.4 writes it.
std::string syncsafe(size_t n) {
  return {static_cast<char>((n >> 21) & 0x7F), static_cast<char>((n >> 14) & 0x7F),
          static_cast<char>((n >> 7) & 0x7F), static_cast<char>(n & 0x7F)};
}

std::string textFrame24(const std::string& id, const std::string& text) {
  const std::string body = "\x03" + text;
  return id + syncsafe(body.size()) + std::string(2, '\0') + body;
}

TEST(Id3v2ExtendedHeader, EveryFrameIsReadAndKeptBySaving) {
  TempDir dir;
  const std::string path = dir.copy("ext24.mp3");
  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(take(ID3V2GetTextFrameW(frameId("TRCK"))), "7");
  ID3V2SetTextFrameW(frameId("TIT2"), u16("Расширенный").c_str());
  ASSERT_EQ(ID3V2SaveChangesW(), -1) << lastError();

  TagLib::MPEG::File file(path.c_str());
  EXPECT_EQ(file.ID3v2Tag()->title().to8Bit(true), "Расширенный");
  EXPECT_EQ(file.ID3v2Tag()->track(), 7U);
  EXPECT_EQ(file.ID3v2Tag()->header()->majorVersion(), 4U);
  const std::string audio = readBytes(fixturePath("plain.mp3"));
  EXPECT_TRUE(readBytes(path).ends_with(audio));
}

// The same kind of tag, also flagged with a footer: the engine does not
// rewrite such a tag before TagLib reads it, so only its own check of the
// frames stands between TagLib's misreading and a lost frame.
TEST(Id3v2ExtendedHeader, ASaveThatWouldLoseAFrameFails) {
  const std::string frames = textFrame24("TIT2", "Extended header") + textFrame24("TRCK", "7");
  const std::string body = syncsafe(6) + "\x01" + std::string(1, '\0') + frames;
  const std::string tag = "ID3\x04" + std::string(1, '\0') + "\x50" + syncsafe(body.size()) + body +
                          "3DI\x04" + std::string(1, '\0') + "\x50" + syncsafe(body.size());
  TempDir dir;
  const std::string path = dir.file("footer.mp3");
  writeBytes(path, tag + readBytes(fixturePath("plain.mp3")));
  const std::string bytes = readBytes(path);

  ASSERT_TRUE(analyze(path));
  ID3V2SetTextFrameW(frameId("TIT2"), u16("Changed").c_str());
  EXPECT_EQ(ID3V2SaveChangesW(), 0);
  EXPECT_EQ(lastError(), "Verification failed: the saved ID3v2 tag does not hold every frame of the original");
  EXPECT_EQ(readBytes(path), bytes);
}

// TagLib reads ID3v2.3 frames that ID3v2.4 dropped (TSIZ, TRDA) but does not
// write them back: such a save fails rather than lose them.
TEST(Id3v2LostFrames, ASaveThatTagLibWouldWriteWithoutAFrameFails) {
  const auto frame23 = [](const std::string& id, const std::string& text) {
    const std::string body = std::string(1, '\0') + text;
    return id + std::string(3, '\0') + static_cast<char>(body.size()) + std::string(2, '\0') + body;
  };
  const std::string frames = frame23("TIT2", "Old title") + frame23("TSIZ", "12345");
  TempDir dir;
  const std::string path = dir.file("v23-tsiz.mp3");
  writeBytes(path, "ID3\x03" + std::string(2, '\0') + syncsafe(frames.size()) + frames +
                       readBytes(fixturePath("plain.mp3")));
  const std::string bytes = readBytes(path);

  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(take(ID3V2GetTextFrameW(frameId("TIT2"))), "Old title");
  ID3V2SetTextFrameW(frameId("TIT2"), u16("New title").c_str());
  EXPECT_EQ(ID3V2SaveChangesW(), 0);
  EXPECT_NE(lastError().find("Verification failed"), std::string::npos) << lastError();
  EXPECT_EQ(readBytes(path), bytes);
}

TEST(Id3v2Genre, AGenreNumberReadsAsItsName) {
  TempDir dir;
  const std::string path = dir.copy("plain.mp3");
  {
    TagLib::MPEG::File file(path.c_str());
    file.ID3v2Tag(true)->setGenre("17");
    file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v4);
  }
  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(take(ID3V2GetTextFrameW(frameId("TCON"))), "Rock");
}

}  // namespace
}  // namespace quillora::test
