#include "CommandsFixture.h"
#include "commands/BatchUpdate.h"
#include "commands/SuggestFromFolder.h"
#include "commands/SuggestFromTag.h"

namespace quillora {
namespace {

constexpr int kMp3 = 1, kFlac = 4;
constexpr int kSuggestTag = 10;

class SuggestFromFolderTest : public CommandsFixture {
 protected:
  QVariant offered(int fieldId, int mediaType) const {
    return mapValue(fieldId, mediaType, fm().InternalBatchValue);
  }
};

TEST_F(SuggestFromFolderTest, OffersTheFolderNamesPartsToTheShownFields) {
  addTrack("01.mp3", {"31=x", "64=y", "82=z"});
  addTrack("02.flac", {"31=x", "64=y", "82=z"});
  showPanel(kMp3);

  btnSuggestClick(ws, host, kSuggestTag);

  const std::tuple<int, const char*> offers[] = {
      {31, "First Album"}, {64, "Some Band"}, {82, "1999"}};
  for (const auto& [field, value] : offers) {
    SCOPED_TRACE(field);
    EXPECT_EQ(offered(field, kMp3), value);
    EXPECT_EQ(mapValue(field, kMp3, fm().BatchValue), value) << "the catalogue's value";
    EXPECT_EQ(mapValue(field, kMp3, fm().BatchCheck), true);
    EXPECT_TRUE(offered(field, kFlac).isNull()) << "rows the panel hides keep their settings";
    EXPECT_EQ(mapValue(field, kFlac, fm().BatchCheck), false);
  }
  // Shown nowhere: not offered.
  EXPECT_TRUE(offered(33, kMp3).isNull());
  EXPECT_EQ(mapValue(33, kMp3, fm().BatchCheck), false);
  EXPECT_EQ(host.calls, QStringList({"start 10", "end 10"}));
}

TEST_F(SuggestFromFolderTest, BatchUpdateThenAppliesTheSuggestion) {
  addTrack("01.mp3", {"31=x", "82=z"});
  addTrack("02.mp3", {"31=x", "82=z"});
  showPanel(kMp3);
  btnSuggestClick(ws, host, kSuggestTag);
  btnBatchClick(ws, host, 12);
  for (int row : {0, 1}) {
    EXPECT_EQ(cell(row, 31), "First Album");
    EXPECT_EQ(cell(row, 82), "1999");
  }
}

TEST_F(SuggestFromFolderTest, TheFirstFolderInSortedOrderGivesTheSuggestion) {
  addTrack("b - 2001 - Two/01.mp3", {"31=x"});
  addTrack("A - 2000 - One/01.mp3", {"31=x"});
  addTrack("C - 2002 - Three/01.mp3", {"31=x"});
  host.gridOrder = std::vector<int>{2, 0, 1};
  showPanel(kMp3);
  btnSuggestClick(ws, host, kSuggestTag);
  EXPECT_EQ(offered(31, kMp3), "One");
}

TEST_F(SuggestFromFolderTest, WithoutListedFilesItSaysNoDirectories) {
  addTrack("01.mp3", {"31=x"});
  host.gridOrder = std::vector<int>{};
  showPanel(kMp3);
  btnSuggestClick(ws, host, kSuggestTag);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "No directories");
  EXPECT_EQ(host.messages[0].caption, "ERROR");
  EXPECT_TRUE(offered(31, kMp3).isNull());
  EXPECT_EQ(host.calls, QStringList({"start 10", "message", "end 10"}));
}

class SuggestFromTagTest : public CommandsFixture {};

TEST_F(SuggestFromTagTest, TheFirstFileWithAnAlbumGivesItAndGetsItsFoldersYearAndArtist) {
  addTrack("Other - 2005 - Else/01.mp3", {"31=Tag Album", "33=a", "64=b", "82=c"});
  addTrack("02.mp3", {"31=   ", "33=a", "64=b", "82=c"});  // blank album: passed over
  addTrack("03.mp3", {"31=Second", "33=a", "64=b", "82=c"});
  host.gridOrder = std::vector<int>{1, 2, 0};

  btnSetAlbumBatchClick(ws, host);

  EXPECT_EQ(mapValue(31, kMp3, fm().InternalBatchValue), "Second");
  EXPECT_EQ(mapValue(31, kMp3, fm().BatchValue), "Second");
  EXPECT_EQ(mapValue(31, kMp3, fm().BatchCheck), false);
  EXPECT_EQ(cell(2, 82), "1999");
  EXPECT_EQ(cell(2, 64), "Some Band");
  EXPECT_EQ(cell(2, 33), "Some Band");
  EXPECT_EQ(cell(2, 31), "Second") << "the album cell keeps the tag's text";
  for (int row : {0, 1}) {
    EXPECT_EQ(cell(row, 82), "c");
    EXPECT_EQ(cell(row, 33), "a");
  }
  EXPECT_TRUE(host.calls.isEmpty()) << "no feedback";
  EXPECT_FALSE(tracks().controlsDisabled());
}

TEST_F(SuggestFromTagTest, AMediaTypeWithoutAYearFieldGetsOnlyTheArtist) {
  // A field map without the FLAC year row.
  ws.fields.mdFieldsInternal.setStoredValue(mapRow(82, kFlac), fm().MediaTypeID, 99);
  addTrack("01.mp3", {"82=c"});
  addTrack("02.flac", {"31=Tag Album", "64=b"});

  btnSetAlbumBatchClick(ws, host);

  EXPECT_EQ(cell(1, 64), "Some Band");
  EXPECT_TRUE(cell(1, 82).isNull());
  EXPECT_EQ(mapValue(31, kFlac, fm().InternalBatchValue), "Tag Album");
}

TEST_F(SuggestFromTagTest, WithoutAnAlbumNothingChanges) {
  addTrack("01.mp3", {"82=c"});
  addTrack("02.tta");
  btnSetAlbumBatchClick(ws, host);
  EXPECT_EQ(cell(0, 82), "c");
  EXPECT_TRUE(mapValue(31, kMp3, fm().InternalBatchValue).isNull());
  EXPECT_FALSE(tracks().controlsDisabled());
}

}  // namespace
}  // namespace quillora
