// The read-only facts of FLAC streams and APE tags, and the FLAC vendor text.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <taglib/apefile.h>
#include <taglib/apefooter.h>
#include <taglib/apetag.h>
#include <taglib/flacfile.h>
#include <taglib/xiphcomment.h>

namespace quillora::test {
namespace {

TEST(FlacFacts, TheStreamInfoIsReadFromTheFile) {
  TempDir dir;
  const std::string path = dir.copy("tagged.flac");
  ASSERT_TRUE(analyze(path));
  TagLib::FLAC::File file(path.c_str());
  EXPECT_EQ(FLACGetBitsPerSampleW(), file.audioProperties()->bitsPerSample());
  EXPECT_EQ(FLACGetSamplesW(), static_cast<int32_t>(file.audioProperties()->sampleFrames()));
  EXPECT_EQ(FLACGetSamplesW(), 800);  // 0.1 s at 8 kHz
  EXPECT_GT(FLACGetMinBlockSizeW(), 15);
  EXPECT_LE(FLACGetMinBlockSizeW(), FLACGetMaxBlockSizeW());
  EXPECT_GT(FLACGetMinFrameSizeW(), 0);
  EXPECT_LE(FLACGetMinFrameSizeW(), FLACGetMaxFrameSizeW());
  // Silence packs into far fewer bytes than the 1600 bytes of 16-bit mono PCM
  // and still takes some: the frames come after the metadata blocks.
  const float ratio = FLACGetCompressionRatioW();
  EXPECT_GT(ratio, 0.0F);
  EXPECT_LT(ratio * 1600, static_cast<float>(readBytes(path).size()));
}

TEST(FlacFacts, ItemKeysAndVendorAreThoseOfTheComment) {
  TempDir dir;
  const std::string path = dir.copy("tagged.flac");
  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(take(FLACGetItemKeysW()), "ALBUM; ARTIST; DATE; TITLE");
  {
    TagLib::FLAC::File file(path.c_str());
    EXPECT_EQ(take(FLACGetVendorW()), file.xiphComment()->vendorID().to8Bit(true));
  }
  FLACSetVendorW(u16("Quillora ✓").c_str());
  FLACSetUserItemW(u16("lyricist").c_str(), u16("Автор слов").c_str());
  ASSERT_EQ(FLACSaveChangesW(), -1) << lastError();

  TagLib::FLAC::File file(path.c_str());
  EXPECT_EQ(file.xiphComment()->vendorID().to8Bit(true), "Quillora ✓");
  EXPECT_EQ(file.xiphComment()->fieldListMap()["LYRICIST"].toString().to8Bit(true), "Автор слов");
  EXPECT_EQ(take(FLACGetItemKeysW()), "ALBUM; ARTIST; DATE; LYRICIST; TITLE");
}

TEST(FlacFacts, OtherFilesHaveNoFlacFacts) {
  ASSERT_TRUE(analyze(fixturePath("v24.mp3")));
  EXPECT_EQ(FLACGetBitsPerSampleW(), 0);
  EXPECT_EQ(FLACGetSamplesW(), 0);
  EXPECT_EQ(FLACGetCompressionRatioW(), 0.0F);
  EXPECT_EQ(take(FLACGetVendorW()), "");
}

TEST(ApeFacts, SizeVersionAndKeysAreThoseOfTheTag) {
  TempDir dir;
  const std::string path = dir.copy("tagged.ape");
  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(take(APEGetTitleW()), "音楽");
  EXPECT_EQ(take(APEGetItemKeysW()), "ARTIST; TITLE");
  EXPECT_EQ(take(APEGetVersionW()), "2.000");
  TagLib::APE::File before(path.c_str());
  EXPECT_EQ(APEGetSizeW(), static_cast<int32_t>(before.APETag()->footer()->completeTagSize()));

  APESetAlbumW(u16("Альбом").c_str());
  ASSERT_EQ(APESaveChangesW(), -1) << lastError();
  TagLib::APE::File after(path.c_str());
  EXPECT_EQ(APEGetSizeW(), static_cast<int32_t>(after.APETag()->footer()->completeTagSize()));
  EXPECT_EQ(take(APEGetItemKeysW()), "ALBUM; ARTIST; TITLE");
}

}  // namespace
}  // namespace quillora::test
