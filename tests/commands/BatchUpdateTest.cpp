#include "CommandsFixture.h"
#include "commands/BatchUpdate.h"

namespace quillora {
namespace {

constexpr int kMp3 = 1, kFlac = 4;
constexpr int kBatchTag = 12;

class BatchUpdateTest : public CommandsFixture {
 protected:
  // A further field map row for the field and media type, checked and ticked
  // for batch, with no grid column of its own.
  void addTickedRow(int fieldId, int mediaType, const QString& value) {
    MemTable& map = ws.fields.mdFieldsInternal;
    const int row = map.appendRowRaw();
    map.setStoredValue(row, fm().FieldID, fieldId);
    map.setStoredValue(row, fm().MediaTypeID, mediaType);
    map.setStoredValue(row, fm().ColumnIndex, -1);
    map.setStoredValue(row, fm().ViewCheck, true);
    map.setStoredValue(row, fm().BatchCheck, true);
    map.setStoredValue(row, fm().InternalBatchValue, value);
  }
  void run() { btnBatchClick(ws, host, kBatchTag); }
};

TEST_F(BatchUpdateTest, WritesTheValueIntoEveryFileWhoseMediaTypeMapsTheField) {
  addTrack("01.mp3", {"31=Old", "82=1998"});
  addTrack("02.flac", {"31=Old too"});  // linked to the album column on the way
  addTrack("03.wma");                   // its album row is neither shown nor checked
  addTrack("04.tta");                   // no field map rows at all
  showPanel(kMp3);
  setBatch(31, kMp3, "First Album");

  run();

  EXPECT_EQ(cell(0, 31), "First Album");
  EXPECT_EQ(cell(1, 31), "First Album");
  EXPECT_TRUE(cell(2, 31).isNull());
  EXPECT_TRUE(cell(3, 31).isNull());
  EXPECT_EQ(cell(0, 82), "1998") << "a field not ticked for batch keeps its value";
  EXPECT_EQ(host.calls, QStringList({"start 12", "end 12"}));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(ws.tracks.isCellPending(0, tracks().columnIndex("Field31")));
}

TEST_F(BatchUpdateTest, ACheckedRowWithoutAColumnBatchesItsOwnField) {
  addTrack("01.mp3", {"31=Old"});
  addTrack("02.flac");  // no album: the FLAC album row gets no column
  showPanel(kFlac);
  // Checked without a column, as a field map file may have it.
  ws.fields.mdFieldsInternal.setStoredValue(mapRow(31, kFlac), fm().ViewCheck, true);
  ASSERT_EQ(mapValue(31, kFlac, fm().ColumnIndex), -1);
  setBatch(31, kFlac, "First Album");

  run();

  EXPECT_EQ(cell(1, 31), "First Album");
  EXPECT_EQ(cell(0, 31), "First Album") << "MP3 maps the same field";
}

TEST_F(BatchUpdateTest, RowsThatAreNotShownOrHaveNoFieldContributeNothing) {
  addTrack("01.mp3", {"31=Old", "82=1998"});
  showPanel(kMp3);
  // Ticked for batch but not shown.
  ws.fields.mdFieldsInternal.setStoredValue(mapRow(82, kMp3), fm().ViewCheck, false);
  setBatch(82, kMp3, "2001");
  // Shown, but the track table has no column for the field.
  ws.fields.mdFieldsInternal.setStoredValue(mapRow(57, kMp3), fm().ViewCheck, true);
  setBatch(57, kMp3, "Original");
  setBatch(31, kMp3, "First Album");

  run();

  EXPECT_EQ(cell(0, 82), "1998");
  EXPECT_EQ(tracks().columnIndex("Field57"), -1);
  EXPECT_EQ(cell(0, 31), "First Album");
}

TEST_F(BatchUpdateTest, KeepsLongValuesWhole) {
  addTrack("01.mp3", {"31=Old"});
  const QString album = QString(200, QLatin1Char('a'));
  showPanel(kMp3);
  setBatch(31, kMp3, album);
  run();
  EXPECT_EQ(cell(0, 31), album);
}

TEST_F(BatchUpdateTest, AnEmptyTrackTableGivesOnlyTheFeedback) {
  showPanel(kMp3);
  setBatch(31, kMp3, "First Album");
  run();
  EXPECT_EQ(host.calls, QStringList({"start 12", "end 12"}));
}

TEST_F(BatchUpdateTest, AValueThatDoesNotConvertEndsTheRunWithItsMessage) {
  // Make BPM an integer field before its column is made.
  MemTable& catalogue = ws.fields.mdFields;
  for (int row = 0; row < catalogue.rowCount(); ++row)
    if (catalogue.value(row, ws.fields.cat().ID).toInt() == 32)
      catalogue.setValue(row, ws.fields.cat().FieldTypeID, 4);
  addTrack("01.mp3", {"32=120"});
  addTrack("02.mp3", {"32=90"});
  showPanel(kMp3);
  setBatch(32, kMp3, "fast");

  run();

  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "''fast'' is not a valid integer value");
  EXPECT_EQ(host.messages[0].caption, "ERROR");
  EXPECT_EQ(host.calls.last(), "end 12");
  EXPECT_EQ(cell(1, 32), 90);
  EXPECT_FALSE(ws.fields.mdFieldsInternal.controlsDisabled());
}

struct OrderCase {
  const char* first;
  const char* second;
  const char* expected;
};

class BatchEntryOrderTest : public BatchUpdateTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(BatchEntryOrderTest, TheLaterOfTwoRowsForOneFieldDecides) {
  const OrderCase& c = GetParam();
  addTrack("01.mp3", {"31=Old"});
  setBatch(31, kMp3, c.first);
  addTickedRow(31, kMp3, c.second);
  showPanel(kMp3);
  run();
  EXPECT_EQ(cell(0, 31), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BatchEntryOrderTest,
                         ::testing::Values(OrderCase{"A", "B", "B"},
                                           // an empty value removes the earlier entry
                                           OrderCase{"A", "", "Old"},
                                           OrderCase{"", "B", "B"}));

}  // namespace
}  // namespace quillora
