// "Select'n Load" and "Refresh" over copies of the audio fixtures, read by
// the real engine.
#include "TracksFixture.h"

#include "fields/Error.h"
#include "tags/TMetaTag.h"
#include "tracks/FolderScan.h"
#include "tracks/TrackList.h"
#include "tracks/TrackTableModel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>

#include <unistd.h>

namespace quillora {
namespace {

class FolderScanTest : public ScanFixture {
 public:
  void emptyFolder() {
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
  }
  void link(const QString& target, const QString& name) {
    ASSERT_EQ(symlink(QFile::encodeName(target).constData(),
                      QFile::encodeName(path(name)).constData()),
              0);
  }
  QString album(int row) const { return cell(row, kAlbum).toString(); }
  // Every field map row either shows nowhere or names the column of its own
  // field.
  void expectFieldMapInStepWithColumns() {
    for (int row = 0; row < map().rowCount(); ++row) {
      const int position = map().value(row, fm().ColumnIndex).toInt();
      const bool shown = map().value(row, fm().ViewCheck).toBool();
      const QString field = TrackFieldName(map().value(row, fm().FieldID).toInt());
      if (!shown && position == -1) continue;
      ASSERT_GT(position, 0) << "row " << row;
      ASSERT_LT(position, ws.tracks.cxGridMP3.count()) << "row " << row;
      EXPECT_EQ(ws.tracks.cxGridMP3.at(position).fieldName, field) << "row " << row;
    }
  }
};

TEST_F(FolderScanTest, ListsEveryMediaFileInNameOrder) {
  struct Case {
    const char* name;
    QStringList files;
    bool subdirectories;
    QStringList listed;
    int events;  // one per file entry, taken or not
  } cases[] = {
      {"two songs and notes", {"song.MP3", "Song.mp3", "notes.txt", "track_mp3"}, false,
       {"Song.mp3", "song.MP3"}, 4},
      {"subfolders left out", {"A/B/name.mp3", "A/inner.mp3", "top.mp3"}, false, {"top.mp3"}, 1},
      {"subfolders walked depth first", {"A/B/name.mp3", "A/inner.mp3", "b.mp3", "a.mp3"}, true,
       {"A/B/name.mp3", "A/inner.mp3", "a.mp3", "b.mp3"}, 4},
      {"hidden entries and every media type",
       {".hidden.mp3", "track.flac", "track.mpeg", "clip.M4a", "x.mp3x", "README"}, false,
       {".hidden.mp3", "clip.M4a", "track.flac", "track.mpeg"}, 6},
      {"an empty folder", {}, true, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    emptyFolder();
    for (const QString& file : c.files) put("plain.mp3", file);
    host.subdirectories = c.subdirectories;
    host.statuses.clear();
    host.events = 0;

    refresh();

    EXPECT_EQ(fileNames(), c.listed);
    EXPECT_EQ(host.events, c.events);
    EXPECT_EQ(host.statuses, QStringList({"Refreshing Quillora field values", ""}));
    EXPECT_FALSE(ws.DisableActions);
  }
}

TEST_F(FolderScanTest, SelectAndLoadScansTheChosenFolder) {
  QTemporaryDir other;
  QFile::copy(QStringLiteral(QUILLORA_TEST_DATA "/v23.mp3"), other.filePath("chosen.mp3"));

  FolderScan(ws, host).Button1Click(other.path());

  EXPECT_EQ(host.folderPath, other.path());
  EXPECT_EQ(fileNames(), QStringList{"chosen.mp3"});
  EXPECT_EQ(album(0), "Группа крови");
  EXPECT_EQ(host.statuses, QStringList({"Loading mp3s id3v2", ""}));
}

TEST_F(FolderScanTest, AMixedFolderShowsEachFilesValuesInTheSameColumns) {
  put("v23.mp3", "a.mp3");
  put("tagged.flac", "b.flac");
  put("tagged.m4a", "c.m4a");

  refresh();

  EXPECT_EQ(fileNames(), QStringList({"a.mp3", "b.flac", "c.m4a"}));
  EXPECT_EQ(album(0), "Группа крови");
  EXPECT_EQ(album(1), "אלבום");
  EXPECT_EQ(album(2), "אוסף");
  EXPECT_EQ(cell(1, kTitle).toString(), "שיר");
  EXPECT_EQ(columnFields().count("Field31"), 1);
  const int albumColumn = ws.tracks.FindTrackColumn("Field31");
  for (int mediaType : {kMpeg, kFlac, kMp4}) {
    EXPECT_EQ(mapValue(kAlbum, mediaType, fm().ColumnIndex).toInt(), albumColumn) << mediaType;
    EXPECT_TRUE(mapValue(kAlbum, mediaType, fm().ViewCheck).toBool()) << mediaType;
  }
  expectFieldMapInStepWithColumns();
}

TEST_F(FolderScanTest, LoadingAnotherFolderRebuildsTheColumnsAndResetsEveryFieldMapRow) {
  put("v23.mp3", "a.mp3");
  refresh();
  // A filter in force (as the fields panel leaves it) hides the MPEG rows.
  ws.fields.FilterFieldMap(-1, kFlac, -1);
  QTemporaryDir other;
  QFile::copy(QStringLiteral(QUILLORA_TEST_DATA "/tagged.ogg"), other.filePath("b.ogg"));

  FolderScan(ws, host).Button1Click(other.path());

  EXPECT_EQ(fileNames(), QStringList{"b.ogg"});
  EXPECT_EQ(mapValue(kYear, kMpeg, fm().ColumnIndex).toInt(), -1);
  EXPECT_FALSE(mapValue(kYear, kMpeg, fm().ViewCheck).toBool());
  EXPECT_FALSE(columnFields().contains("Field82"));
  expectFieldMapInStepWithColumns();
}

TEST_F(FolderScanTest, AFolderReachedThroughALinkIsEnteredOnce) {
  put("plain.mp3", "A/x.mp3");
  put("plain.mp3", "top.mp3");
  link("..", "A/up");
  link(".", "A/self");
  link("A", "B");
  host.subdirectories = true;

  refresh();

  EXPECT_EQ(fileNames(), QStringList({"A/x.mp3", "top.mp3"}));
}

TEST_F(FolderScanTest, FoldersThatCannotBeOpenedAreSkippedAndCounted) {
  put("plain.mp3", "a.mp3");
  put("plain.mp3", "sub1/b.mp3");
  put("plain.mp3", "sub2/c.mp3");
  put("plain.mp3", "sub3/d.mp3");
  host.subdirectories = true;
  // Taken away once the walk has listed the top folder.
  host.onEvents = [this] {
    QDir(path("sub1")).removeRecursively();
    QDir(path("sub2")).removeRecursively();
  };
  if (geteuid() != 0) QFile::setPermissions(path("sub3"), QFile::Permissions());

  refresh();
  QFile::setPermissions(path("sub3"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  const bool locked = geteuid() != 0;
  EXPECT_EQ(fileNames(), locked ? QStringList{"a.mp3"} : QStringList({"a.mp3", "sub3/d.mp3"}));
  EXPECT_EQ(host.statuses.last(),
            locked ? "3 folders could not be read" : "2 folders could not be read");
}

TEST_F(FolderScanTest, FilesThatCannotBeReadAreListedWithEmptyCells) {
  put("v23.mp3", "a.mp3");
  putBytes(QByteArray(4096, '\x5a'), "b.mp3");
  put("v23.mp3", "c.mp3");
  putBytes(QByteArray(), "d.flac");
  put("tagged.flac", "e.flac");
  // c.mp3 vanishes after the folder was listed.
  host.onEvents = [this] { QFile::remove(path("c.mp3")); };

  refresh();

  EXPECT_EQ(fileNames(), QStringList({"a.mp3", "b.mp3", "c.mp3", "d.flac", "e.flac"}));
  EXPECT_EQ(album(0), "Группа крови");
  EXPECT_TRUE(cell(1, kAlbum).isNull());
  EXPECT_TRUE(cell(2, kAlbum).isNull());
  EXPECT_TRUE(cell(3, kAlbum).isNull());
  EXPECT_EQ(album(4), "אלבום");
}

TEST_F(FolderScanTest, EscStopsTheScanAndKeepsTheRowsRead) {
  for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}) put("v23.mp3", name);
  host.onEvents = [this] { host.stop = host.events == 2; };

  refresh();

  EXPECT_EQ(fileNames(), QStringList({"a.mp3", "b.mp3"}));
  EXPECT_EQ(album(1), "Группа крови");
  EXPECT_EQ(host.statuses.last(), "Scan stopped: 2 files listed");
  EXPECT_FALSE(ws.DisableActions);
}

TEST_F(FolderScanTest, CommandsStayDisabledWhileTheScanRuns) {
  put("v23.mp3", "a.mp3");
  put("tagged.flac", "b.flac");
  QList<bool> seen;
  host.onEvents = [&] { seen << ws.DisableActions; };

  refresh();

  EXPECT_EQ(seen, QList<bool>({true, true}));
  EXPECT_FALSE(ws.DisableActions);
}

TEST_F(FolderScanTest, AnErrorWhileFillingARowEndsTheScan) {
  put("plain.mp3", "a.mp3");
  put("v23.mp3", "b.mp3");
  put("plain.mp3", "c.mp3");
  setCatalogueType(kAlbum, 0);

  EXPECT_THROW(refresh(), Error);

  EXPECT_EQ(fileNames(), QStringList{"a.mp3"});
  EXPECT_EQ(host.statuses.last(), "");
  EXPECT_FALSE(ws.DisableActions);
  EXPECT_FALSE(ws.tagObject().Active());
  EXPECT_TRUE(tracks().isOpen());
}

TEST_F(FolderScanTest, TheGridHearsOneInsertedRowPerFileAndNoResetDuringTheScan) {
  put("plain.mp3", "a.mp3");
  put("v23.mp3", "b.mp3");
  put("tagged.flac", "c.flac");
  put("v24.mp3", "d.mp3");
  TrackTableModel model(ws.tracks);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  QStringList heard;
  QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { heard << "reset"; });
  QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] { heard << "row"; });

  refresh();

  EXPECT_EQ(heard.count("row"), 4);
  const qsizetype firstRow = heard.indexOf("row");
  ASSERT_GE(firstRow, 0);
  EXPECT_FALSE(heard.mid(firstRow).contains("reset"));
  EXPECT_EQ(model.rowCount(), 4);
  EXPECT_EQ(model.columnCount(), ws.tracks.cxGridMP3.count());
  EXPECT_EQ(model.data(model.index(1, ws.tracks.FindTrackColumn("Field31"))).toString(),
            "Группа крови");
}

TEST(FolderScanWithoutEngineTest, SaysTheEngineIsNotLoadedAndChangesNothing) {
  Workspace ws;
  TestHost host;
  host.folderPath = "/old";
  try {
    FolderScan(ws, host).Button1Click("/new");
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.message(), "The tag engine is not loaded");
  }
  EXPECT_EQ(host.folderPath, "/old");
  EXPECT_TRUE(host.statuses.isEmpty());
  EXPECT_FALSE(ws.DisableActions);
}

}  // namespace
}  // namespace quillora
