// What "Commit Changes" and "Commit Clear id3 tag" write, on real files.
#include "LoadedFolderFixture.h"
#include "commands/BatchUpdate.h"
#include "commands/Commit.h"
#include "commands/CommitClear.h"
#include "tracks/FolderScan.h"

#include <QFile>

#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

namespace quillora {
namespace {

class CommitTest : public LoadedFolderFixture {};

TEST_F(CommitTest, WritesTheCheckedFieldsOfEveryRowAndLeavesTheOthers) {
  load({{"v23.mp3", "01.mp3"}});
  setCell("01.mp3", 49, "New Title");             // checked: written
  setCell("01.mp3", 31, QVariant());              // checked and emptied: removed
  setMapValue(82, kMp3, fm().ViewCheck, false);   // not checked: left as the file has it
  setCell("01.mp3", 82, "2020");

  EXPECT_EQ(commit(), "1 file written.");

  EXPECT_EQ(folder.property("01.mp3", "TITLE"), "New Title");
  EXPECT_EQ(folder.property("01.mp3", "ALBUM"), "");
  EXPECT_EQ(folder.property("01.mp3", "DATE"), "1988");
  EXPECT_EQ(folder.property("01.mp3", "ARTIST"), "Кино");
  EXPECT_FALSE(ws.tracks.isRowPending(row("01.mp3"))) << "the written row is what the file holds";
}

TEST_F(CommitTest, ACheckedFieldWithoutATrackColumnIsLeftAsTheFileHasIt) {
  load({{"v23.mp3", "01.mp3"}});
  {  // A composer arrives in the file after it was listed.
    TagLib::MPEG::File file(QFile::encodeName(folder.file("01.mp3")).constData());
    TagLib::PropertyMap properties = file.properties();
    properties.replace("COMPOSER", TagLib::StringList("Someone"));
    file.setProperties(properties);
    ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v3));
  }
  // Taken as the file that was read, or the commit would refuse a file
  // changed on disk since the scan.
  ws.tracks.rememberFile(0, IdentityOfFile(folder.file("01.mp3")));
  ASSERT_EQ(tracks().columnIndex("Field33"), -1);
  ws.fields.mdFieldsInternal.setStoredValue(mapRow(33, kMp3), fm().ViewCheck, true);
  setCell("01.mp3", 49, QStringLiteral("Other Title"));  // so the file is written at all

  EXPECT_EQ(commit(), "1 file written.");

  EXPECT_EQ(folder.property("01.mp3", "COMPOSER"), "Someone");
  EXPECT_EQ(mapValue(33, kMp3, fm().ViewCheck), true) << "the row stays checked";
}

// The grid cuts a text to its column's width; a commit that changes another
// cell of the row must not write the cut text back over the file's own.
TEST_F(CommitTest, ATextCutToItsColumnIsNotWrittenBackCut) {
  const std::string longComment(600, 'c');
  load({{"v23.mp3", "01.mp3"}});
  {
    TagLib::MPEG::File file(QFile::encodeName(folder.file("01.mp3")).constData());
    TagLib::PropertyMap properties = file.properties();
    properties.replace("COMMENT", TagLib::StringList(longComment));
    file.setProperties(properties);
    ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v3));
  }
  FolderScan(ws, host).btnRefreshClick();
  ASSERT_LT(tracks().value(0, tracks().columnIndex("Field6")).toString().size(), 600);
  setCell("01.mp3", 49, QStringLiteral("New Title"));

  EXPECT_EQ(commit(), "1 file written.");

  EXPECT_EQ(folder.property("01.mp3", "TITLE"), "New Title");
  EXPECT_EQ(folder.property("01.mp3", "COMMENT"), QString::fromStdString(longComment));
}

TEST_F(CommitTest, GoesOnPastFilesThatCannotBeWrittenAndListsThemAll) {
  load({{"v23.mp3", "01.mp3"}, {"tagged.flac", "02.flac"}, {"v23.mp3", "03.mp3"}});
  showPanel(kMp3);
  setBatch(31, kMp3, "Other Album");
  btnBatchClick(ws, host, 12);
  setMapValue(31, kFlac, fm().FieldMediaID, "one");  // a malformed field map row
  ASSERT_TRUE(QFile::remove(folder.file("03.mp3")));
  host.gridOrder = std::vector<int>{2};  // the grid's filter plays no part

  const QString message = commit();

  const QString expectedStart =
      "1 file written. 2 files could not be written:\n"
      "02.flac: ''one'' is not a valid integer value\n"
      "03.mp3: ";
  EXPECT_TRUE(message.startsWith(expectedStart)) << message.toStdString();
  EXPECT_EQ(folder.property("01.mp3", "ALBUM"), "Other Album");
  EXPECT_EQ(folder.property("02.flac", "ALBUM"), "אלבום");
  EXPECT_FALSE(ws.tracks.isRowPending(row("01.mp3")));
  EXPECT_TRUE(ws.tracks.isRowPending(row("02.flac")));
  EXPECT_FALSE(ws.DisableActions);
  EXPECT_EQ(host.calls.filter("status").mid(0, 3),
            QStringList({"status 1 of 3", "status 2 of 3", "status 3 of 3"}));
  EXPECT_EQ(host.calls.last(), "message") << "the message comes after the end feedback";
  EXPECT_EQ(host.calls.count("end 16"), 1);
}

// The files are replaced together once every row is saved; one that another
// program changes before then keeps that change and is listed, and its row
// keeps the user's edit.
TEST_F(CommitTest, AFileChangedBeforeTheFilesAreReplacedIsListedAndKeepsTheChange) {
  load({{"v23.mp3", "01 Ärger.mp3"}, {"v23.mp3", "02.mp3"}});
  showPanel(kMp3);
  setBatch(31, kMp3, "Other Album");
  btnBatchClick(ws, host, 12);
  const QByteArray otherProgram = folder.bytes("02.mp3") + "appended by another program";
  bool changed = false;
  host.onEvents = [&] {
    if (changed) return;
    QFile file(folder.file("01 Ärger.mp3"));
    changed = file.open(QIODevice::WriteOnly) && file.write(otherProgram) == otherProgram.size();
  };

  EXPECT_EQ(commit(), "1 file written. 1 file could not be written:\n"
                      "01 Ärger.mp3: The file changed while it was being saved");

  ASSERT_TRUE(changed);
  EXPECT_EQ(folder.bytes("01 Ärger.mp3"), otherProgram);
  EXPECT_EQ(folder.property("02.mp3", "ALBUM"), "Other Album");
  EXPECT_TRUE(ws.tracks.isRowPending(row("01 Ärger.mp3")));
  EXPECT_FALSE(ws.tracks.isRowPending(row("02.mp3")));
}

struct EraseCase {
  bool eraseTagFirst;
  const char* titleAfter;
};

class CommitEraseTest : public CommitTest, public ::testing::WithParamInterface<EraseCase> {};

TEST_P(CommitEraseTest, ErasingFirstDropsWhatIsNotChecked) {
  load({{"v23.mp3", "01.mp3"}});
  setMapValue(49, kMp3, fm().ViewCheck, false);
  setCell("01.mp3", 31, "Other Album");

  EXPECT_EQ(commit(GetParam().eraseTagFirst), "1 file written.");

  EXPECT_EQ(folder.property("01.mp3", "ALBUM"), "Other Album");
  EXPECT_EQ(folder.property("01.mp3", "TITLE"), GetParam().titleAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommitEraseTest,
                         ::testing::Values(EraseCase{false, "Привет мир"}, EraseCase{true, ""}));

TEST_F(CommitTest, AnEmptyTrackTableGivesOnlyTheFeedback) {
  load({});
  EXPECT_NO_THROW(btnCommitClick(ws, host, kCommitTag, false));
  EXPECT_EQ(host.calls, QStringList({"start 16", "end 16"}));
}

class CommitClearTest : public LoadedFolderFixture {
 protected:
  void loadTagged() {
    load({{"v23.mp3", "01.mp3"}, {"tagged.flac", "02.flac"}, {"tagged.ogg", "03.ogg"}});
  }
  static constexpr const char* kNames[] = {"01.mp3", "02.flac", "03.ogg"};
};

TEST_F(CommitClearTest, AConfirmedClearLeavesTheFilesWithoutTagsAndReloadsThem) {
  loadTagged();
  ASSERT_NE(tracks().columnIndex("Field31"), -1);

  btnCommitClearClick(ws, host, kClearTag);

  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Remove every tag from 3 files?");
  EXPECT_EQ(host.questions[0].caption, "Commit Clear id3 tag");
  for (const char* name : kNames) EXPECT_TRUE(folder.hasNoTags(name)) << name;
  EXPECT_EQ(tracks().rowCount(), 3);
  EXPECT_EQ(tracks().columnIndex("Field31"), -1) << "the grid shows the files as they are now";
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.calls.mid(0, 3), QStringList({"confirm", "start 18", "step"}));
  EXPECT_TRUE(host.calls.contains("end 18"));
  EXPECT_FALSE(ws.DisableActions);
}

TEST_F(CommitClearTest, ARefusedClearChangesNothing) {
  loadTagged();
  std::vector<QByteArray> before;
  for (const char* name : kNames) before.push_back(folder.bytes(name));
  host.confirmAnswer = false;

  btnCommitClearClick(ws, host, kClearTag);

  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(folder.bytes(kNames[i]), before[i]);
  EXPECT_EQ(host.calls, QStringList({"confirm"}));
  EXPECT_EQ(cell(row("01.mp3"), 31), "Группа крови");
}

TEST_F(CommitClearTest, OnlyTheRowsTheGridShowsAreCleared) {
  loadTagged();
  host.gridOrder = std::vector<int>{row("02.flac")};

  btnCommitClearClick(ws, host, kClearTag);

  EXPECT_EQ(host.questions.at(0).text, "Remove every tag from 1 file?");
  EXPECT_TRUE(folder.hasNoTags("02.flac"));
  EXPECT_FALSE(folder.hasNoTags("01.mp3"));
  EXPECT_FALSE(folder.hasNoTags("03.ogg"));
}

TEST_F(CommitClearTest, AFileThatCannotBeClearedIsReportedAfterTheReload) {
  loadTagged();
  ASSERT_TRUE(QFile::remove(folder.file("02.flac")));

  btnCommitClearClick(ws, host, kClearTag);

  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.startsWith("1 file could not be cleared:\n02.flac: "))
      << host.messages[0].text.toStdString();
  EXPECT_EQ(host.messages[0].caption, "Commit Clear id3 tag");
  EXPECT_TRUE(folder.hasNoTags("01.mp3"));
  EXPECT_TRUE(folder.hasNoTags("03.ogg"));
  EXPECT_EQ(tracks().rowCount(), 2);
}

}  // namespace
}  // namespace quillora
