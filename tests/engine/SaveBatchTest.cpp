// Saves inside a batch: each copy waits beside its file and replaces it when
// the batch ends; a file changed meanwhile is named with the reason and keeps
// what changed it; a file read or saved again sees its waiting change.
#include "EngineTestSupport.h"

#include "engine/EngineApi.h"
#include "engine/FileNameBytes.h"

#include <gtest/gtest.h>

#include <taglib/tag.h>

namespace quillora::test {
namespace {

std::u16string u16Name(const std::string& path) { return quillora::fileNameText(path); }

// Analyses the file under its name's exact bytes, sets one frame and saves.
int16_t saveFrame(const std::string& path, const char* frame, const std::string& text) {
  if (AUDIOAnalyzeFileW(u16Name(path).c_str()) != 1) return 1;
  ID3V2SetTextFrameW(frameId(frame), u16(text).c_str());
  return ID3V2SaveChangesW();
}

std::u16string takeU16(char16_t* text) {
  std::u16string copy(text);
  AUDIOFreeStringW(text);
  return copy;
}

// More files than the batch holds at once, so it also replaces some midway.
TEST(SaveBatch, EveryFileIsReplacedByTheEndAndNoCopyIsLeft) {
  TempDir dir;
  std::vector<std::string> paths;
  for (int i = 0; i < 70; ++i) paths.push_back(dir.copy(i % 2 ? "v23.mp3" : "v24.mp3", "track " + std::to_string(i) + ".mp3"));
  const std::string lastBytes = readBytes(paths.back());

  AUDIOBatchBeginW();
  for (const std::string& path : paths) ASSERT_EQ(saveFrame(path, "TIT2", "Сборник " + path), -1) << lastError();
  EXPECT_EQ(readBytes(paths.back()), lastBytes) << "a file was replaced before the batch ended";
  EXPECT_EQ(AUDIOBatchEndW(), 0);

  for (const std::string& path : paths) EXPECT_EQ(tagOf(path, &TagLib::Tag::title), "Сборник " + path);
  EXPECT_EQ(listing(dir.path()).find(".quillora-tmp-"), std::string::npos) << listing(dir.path());
}

TEST(SaveBatch, AFileChangedBeforeTheEndIsNamedAndKeepsWhatChangedIt) {
  TempDir dir;
  const std::string changed = dir.copy("v24.mp3", "caf\xE9 \xFF.mp3");  // not UTF-8
  const std::string kept = dir.copy("v23.mp3", "kept.mp3");

  AUDIOBatchBeginW();
  ASSERT_EQ(saveFrame(changed, "TIT2", "Lost"), -1) << lastError();
  ASSERT_EQ(saveFrame(kept, "TIT2", "Kept"), -1) << lastError();
  const std::string otherProgram = readBytes(fixturePath("v23.mp3")) + "appended by another program";
  writeBytes(changed, otherProgram);
  ASSERT_EQ(AUDIOBatchEndW(), 1);

  EXPECT_EQ(takeU16(AUDIOBatchFailedFileW(0)), u16Name(changed));
  EXPECT_EQ(take(AUDIOBatchFailedReasonW(0)), "The file changed while it was being saved");
  EXPECT_EQ(take(AUDIOBatchFailedFileW(1)), "");
  EXPECT_EQ(readBytes(changed), otherProgram);
  EXPECT_EQ(tagOf(kept, &TagLib::Tag::title), "Kept");
  EXPECT_EQ(listing(dir.path()).find(".quillora-tmp-"), std::string::npos) << listing(dir.path());
}

TEST(SaveBatch, AFileReadOrSavedAgainInTheBatchStartsFromItsWaitingChange) {
  TempDir dir;
  const std::string path = dir.copy("v24.mp3");
  AUDIOBatchBeginW();
  ASSERT_EQ(saveFrame(path, "TIT2", "First change"), -1) << lastError();
  ASSERT_TRUE(analyze(path));
  EXPECT_EQ(take(ID3V2GetTextFrameW(frameId("TIT2"))), "First change");
  ASSERT_EQ(saveFrame(path, "TPE1", "Second change"), -1) << lastError();
  EXPECT_EQ(AUDIOBatchEndW(), 0);
  EXPECT_EQ(tagOf(path, &TagLib::Tag::title), "First change");
  EXPECT_EQ(tagOf(path, &TagLib::Tag::artist), "Second change");
}

}  // namespace
}  // namespace quillora::test
