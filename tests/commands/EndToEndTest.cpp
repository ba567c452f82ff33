// From loading a folder to the files on disk: suggest, batch, commit.
#include "LoadedFolderFixture.h"
#include "WithoutRootRights.h"
#include "commands/BatchUpdate.h"
#include "commands/SuggestFromFolder.h"

#include <QFile>

namespace quillora {
namespace {

class EndToEndTest : public LoadedFolderFixture {};

TEST_F(EndToEndTest, SuggestBatchAndCommitPutTheFolderNamesPartsIntoTheFiles) {
  load({{"v23.mp3", "01 Intro.mp3"},
        {"plain.mp3", "02 Song.mp3"},
        {"tagged.flac", "03 Song.flac"},
        {"plain.tta", "04 Song.tta"}});
  const QByteArray ttaBefore = folder.bytes("04 Song.tta");
  tick(64, kFlac);  // the album artist, for FLAC files too
  tick(31, kMp3);
  tick(64, kMp3);
  tick(82, kMp3);

  btnSuggestClick(ws, host, 10);
  btnBatchClick(ws, host, 12);
  EXPECT_EQ(commit(), "3 files written.");

  for (const char* name : {"01 Intro.mp3", "02 Song.mp3"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(folder.property(name, "ALBUM"), "First Album");
    EXPECT_EQ(folder.property(name, "ALBUMARTIST"), "Some Band");
    EXPECT_EQ(folder.property(name, "DATE"), "1999");
  }
  EXPECT_EQ(folder.property("01 Intro.mp3", "TITLE"), "Привет мир") << "a shown field keeps its value";
  EXPECT_EQ(folder.property("03 Song.flac", "ALBUM"), "First Album");
  EXPECT_EQ(folder.property("03 Song.flac", "DATE"), "1999");
  EXPECT_EQ(folder.property("03 Song.flac", "ENSEMBLE"), "Some Band");
  EXPECT_EQ(folder.bytes("04 Song.tta"), ttaBefore) << "TTA has no writer";
  EXPECT_FALSE(ws.tracks.hasPendingChanges());
  EXPECT_FALSE(ws.DisableActions);
}

TEST_F(EndToEndTest, OneBatchUpdateSetsTheAlbumInMp3AndFlacFiles) {
  load({{"v23.mp3", "01.mp3"}, {"tagged.flac", "02.flac"}});
  showPanel(kMp3);
  setBatch(31, kMp3, "One Album");
  btnBatchClick(ws, host, 12);
  EXPECT_EQ(commit(), "2 files written.");
  EXPECT_EQ(folder.property("01.mp3", "ALBUM"), "One Album");
  EXPECT_EQ(folder.property("02.flac", "ALBUM"), "One Album");
}

TEST_F(EndToEndTest, AReadOnlyFileIsReportedByNameAndTheOthersAreWritten) {
  load({{"v23.mp3", "01.mp3"}, {"v23.mp3", "02.mp3"}, {"v23.mp3", "03.mp3"}});
  showPanel(kMp3);
  setBatch(31, kMp3, "Other Album");
  btnBatchClick(ws, host, 12);
  const QByteArray before = folder.bytes("02.mp3");

  const QString message = RunWithoutRootRights(folder.paths() , [&] {
    QFile::setPermissions(folder.file("02.mp3"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    return commit();
  });

  const QString expectedStart = "2 files written. 1 file could not be written:\n02.mp3: ";
  EXPECT_TRUE(message.startsWith(expectedStart)) << message.toStdString();
  EXPECT_GT(message.size(), expectedStart.size()) << "a reason is given";
  EXPECT_FALSE(message.contains('\n' + QStringLiteral("01.mp3")));
  EXPECT_EQ(folder.bytes("02.mp3"), before);
  EXPECT_EQ(folder.property("01.mp3", "ALBUM"), "Other Album");
  EXPECT_EQ(folder.property("03.mp3", "ALBUM"), "Other Album");
}

}  // namespace
}  // namespace quillora
