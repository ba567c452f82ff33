// quillora-cli's folder commands, run on copies of the audio fixtures and
// checked against the window's own track grid model and against TagLib.
#include "AudioFolder.h"
#include "RecordingHost.h"
#include "RunCli.h"
#include "fields/FieldFiles.h"
#include "tracks/FolderScan.h"
#include "tracks/Host.h"
#include "tracks/TrackTableModel.h"
#include "tracks/Workspace.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <optional>

namespace quillora {
namespace {

// The command that runs the tool as user nobody when the test runs as root,
// who may read and write any file whatever its mode; an empty command
// otherwise. Nothing when root has no setpriv.
std::optional<QStringList> withoutRootRights() {
  if (geteuid() != 0) return QStringList{};
  const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
  if (setpriv.isEmpty()) return std::nullopt;
  return QStringList{setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"};
}

void setMode(const QString& path, mode_t mode) {
  EXPECT_EQ(chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

using Grid = std::vector<QStringList>;

Grid gridOfTsv(const QByteArray& tsv) {
  Grid grid;
  for (const QString& line : QString::fromUtf8(tsv).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    grid.push_back(line.split(QLatin1Char('\t')));
  return grid;
}

// The cell of a grid (header first) in the named file's row and the column
// with that caption; "(none)" when the grid has no such row or column.
QString cell(const Grid& grid, const QString& fileName, const QString& caption) {
  if (grid.empty()) return QStringLiteral("(none)");
  const qsizetype column = grid[0].indexOf(caption);
  for (const QStringList& row : grid)
    if (row.value(0) == fileName && column >= 0) return row.value(column);
  return QStringLiteral("(none)");
}

class FolderCommandsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(QDir(workDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), workFiles)
        << "the tool wrote into its current directory";
  }

  CliResult run(const QStringList& args) { return RunCli(args, workDir.path()); }

  // The grid the window shows for the album folder: the same field files,
  // the same scan, the window's own model.
  Grid windowGrid(bool subfolders) {
    const QString saved = QDir::currentPath();
    QDir::setCurrent(workDir.path());
    const auto back = qScopeGuard([&] { QDir::setCurrent(saved); });
    Workspace ws;
    EXPECT_TRUE(LoadFieldFiles(ws.fields).isEmpty());
    ws.CreateTagObject();
    RecordingHost host(ws.tracks.JvMemoryData1);
    host.folderPath = folder.path();
    host.subdirectories = subfolders;
    FolderScan(ws, host).btnRefreshClick();
    const TrackTableModel model(ws.tracks);
    Grid grid(1);
    for (int column = 0; column < model.columnCount(); ++column)
      grid[0] << model.headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model.rowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < model.columnCount(); ++column)
        cells << model.index(row, column).data().toString();
      grid.push_back(cells);
    }
    return grid;
  }

  std::map<QString, QByteArray> allBytes(const QStringList& names) const {
    std::map<QString, QByteArray> bytes;
    for (const QString& name : names) bytes[name] = folder.bytes(name);
    return bytes;
  }

  AudioFolder folder;      // "Some Band - 1999 - First Album"
  QTemporaryDir workDir;   // the tool's current directory
  QStringList workFiles;   // what a test put there; nothing else may appear
};

TEST_F(FolderCommandsTest, ListShowsTheGridTheWindowShows) {
  folder.add("v23.mp3", "01 Intro.mp3");
  folder.add("plain.mp3", "02 Song.mp3");
  folder.add("tagged.flac", "03 Song.flac");
  folder.add("tagged.ogg", "04 Song.ogg");
  folder.add("tagged.m4a", "05 Song.m4a");
  folder.add("tagged.wma", "06 Song.wma");
  ASSERT_TRUE(QDir().mkpath(folder.file("Disc 2")));
  folder.add("v24.mp3", "Disc 2/07 Song.mp3");

  for (const bool subfolders : {false, true}) {
    SCOPED_TRACE(subfolders ? "with subfolders" : "folder only");
    QStringList args{"list", folder.path()};
    if (subfolders) args.insert(1, "-r");
    const CliResult list = run(args);
    ASSERT_EQ(list.exitCode, 0) << list.err.constData();
    const Grid grid = gridOfTsv(list.out);
    EXPECT_EQ(grid, windowGrid(subfolders));
    ASSERT_EQ(grid.size(), subfolders ? 8u : 7u);
    EXPECT_EQ(grid[0].first(), "FileName");
    EXPECT_EQ(cell(grid, "01 Intro.mp3", "Album"), "Группа крови");
    EXPECT_EQ(cell(grid, "01 Intro.mp3", "Year"), "1988");
    EXPECT_EQ(cell(grid, "02 Song.mp3", "Album"), "");
    EXPECT_EQ(cell(grid, "03 Song.flac", "Album"), "אלבום");
    EXPECT_EQ(cell(grid, "05 Song.m4a", "Track"), "5/12");
    EXPECT_EQ(cell(grid, "06 Song.wma", "Title"), "Заголовок");
    EXPECT_EQ(cell(grid, "Disc 2/07 Song.mp3", "Title"), subfolders ? "こんにちは" : "(none)");
  }
}

TEST_F(FolderCommandsTest, ListAsJsonKeysEachFileByFieldIdentifierInTableOrder) {
  folder.add("v23.mp3", "01 Intro.mp3");
  folder.add("plain.mp3", "02 Song.mp3");
  folder.add("tagged.flac", "03 Song.flac");
  const CliResult list = run({"list", "--json", folder.path()});
  ASSERT_EQ(list.exitCode, 0) << list.err.constData();
  const QJsonArray rows = QJsonDocument::fromJson(list.out).array();
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0]["FileName"], "01 Intro.mp3");
  EXPECT_EQ(rows[0]["Field31"], "Группа крови");
  EXPECT_EQ(rows[0]["Field49"], "Привет мир");
  EXPECT_EQ(rows[0]["Field82"], "1988");
  EXPECT_EQ(rows[1]["FileName"], "02 Song.mp3");
  EXPECT_TRUE(rows[1]["Field31"].isNull());
  EXPECT_EQ(rows[2]["FileName"], "03 Song.flac");
  EXPECT_EQ(rows[2]["Field31"], "אלבום");
}

TEST_F(FolderCommandsTest, SetWritesTheValuesIntoEveryFileThatMapsTheField) {
  // A field by catalogue name in any letter case, or by identifier.
  for (const char* album : {"Album", "album", "31"}) {
    SCOPED_TRACE(album);
    AudioFolder files;
    files.add("v23.mp3", "01 Intro.mp3");
    files.add("plain.mp3", "02 Song.mp3");
    files.add("tagged.flac", "03 Song.flac");
    files.add("tagged.m4a", "04 Song.m4a");
    files.add("plain.tta", "05 Song.tta");
    const QByteArray tta = files.bytes("05 Song.tta");

    const CliResult set =
        run({"set", files.path(), QString(album) + "=Новый альбом", "year=2024"});
    ASSERT_EQ(set.exitCode, 0) << set.err.constData();
    EXPECT_EQ(set.out, "4 files written.\n");

    const CliResult list = run({"list", files.path()});
    ASSERT_EQ(list.exitCode, 0) << list.err.constData();
    const Grid grid = gridOfTsv(list.out);
    for (const char* name : {"01 Intro.mp3", "02 Song.mp3", "03 Song.flac", "04 Song.m4a"}) {
      SCOPED_TRACE(name);
      EXPECT_EQ(cell(grid, name, "Album"), "Новый альбом");
      EXPECT_EQ(cell(grid, name, "Year"), "2024");
      EXPECT_EQ(files.property(name, "ALBUM"), "Новый альбом");
      EXPECT_EQ(files.property(name, "DATE"), "2024");
    }
    EXPECT_EQ(files.property("01 Intro.mp3", "TITLE"), "Привет мир") << "other fields keep their values";
    EXPECT_EQ(files.property("04 Song.m4a", "TRACKNUMBER"), "5/12");
    EXPECT_EQ(files.bytes("05 Song.tta"), tta) << "TTA has no writer";
  }
}

TEST_F(FolderCommandsTest, DryRunPrintsTheChangesAndWritesNothing) {
  const QStringList names{"01 Intro.mp3", "02 Song.mp3", "03 Song.flac"};
  folder.add("v23.mp3", names[0]);
  folder.add("plain.mp3", names[1]);
  folder.add("tagged.flac", names[2]);
  const auto before = allBytes(names);

  const CliResult dry = run({"set", "--dry-run", folder.path(), "Album=Группа крови", "Year=2024"});
  ASSERT_EQ(dry.exitCode, 0) << dry.err.constData();
  EXPECT_EQ(QString::fromUtf8(dry.out),
            "01 Intro.mp3\n"
            "\tYear: \"1988\" → \"2024\"\n"
            "02 Song.mp3\n"
            "\tAlbum: \"\" → \"Группа крови\"\n"
            "\tYear: \"\" → \"2024\"\n"
            "03 Song.flac\n"
            "\tAlbum: \"אלבום\" → \"Группа крови\"\n"
            "\tYear: \"2001\" → \"2024\"\n"
            "3 files would change; nothing was written.\n");
  EXPECT_EQ(allBytes(names), before);
}

TEST_F(FolderCommandsTest, AFileTheUserMayNotWriteGivesExitOneAndItsName) {
  const auto asNobody = withoutRootRights();
  if (!asNobody) GTEST_SKIP() << "root may write any file, and setpriv is missing";
  folder.add("v23.mp3", "01.mp3");
  folder.add("v23.mp3", "02 read-only.mp3");
  folder.add("tagged.flac", "03.flac");
  // Everyone may read everything and write the album folder and its files,
  // but nobody may write the one file.
  for (const QString& path : folder.paths()) setMode(path, QFileInfo(path).isDir() ? 0777 : 0666);
  setMode(folder.file("02 read-only.mp3"), 0444);
  setMode(folder.paths().first(), 0755);
  setMode(workDir.path(), 0755);
  const QByteArray readOnly = folder.bytes("02 read-only.mp3");

  const CliResult set = RunCli({"set", folder.path(), "Album=Other Album"}, workDir.path(), *asNobody);
  EXPECT_EQ(set.exitCode, 1) << set.err.constData();
  EXPECT_TRUE(set.err.contains("2 files written.")) << set.err.constData();
  EXPECT_TRUE(set.err.contains("\n02 read-only.mp3: ")) << set.err.constData();
  EXPECT_FALSE(set.err.contains("01.mp3")) << set.err.constData();
  EXPECT_EQ(folder.bytes("02 read-only.mp3"), readOnly);
  EXPECT_EQ(folder.property("01.mp3", "ALBUM"), "Other Album");
  EXPECT_EQ(folder.property("03.flac", "ALBUM"), "Other Album");
}

TEST_F(FolderCommandsTest, FilesAndFoldersTheUserMayNotReadGiveExitOne) {
  const auto asNobody = withoutRootRights();
  if (!asNobody) GTEST_SKIP() << "root may read any file, and setpriv is missing";
  folder.add("v23.mp3", "01.mp3");
  folder.add("v23.mp3", "02 unreadable.mp3");
  ASSERT_TRUE(QDir().mkpath(folder.file("Locked")));
  folder.add("v23.mp3", "Locked/03.mp3");
  for (const QString& path : folder.paths()) setMode(path, QFileInfo(path).isDir() ? 0755 : 0644);
  setMode(folder.file("02 unreadable.mp3"), 0);
  setMode(folder.file("Locked"), 0);
  setMode(workDir.path(), 0755);

  const CliResult list = RunCli({"list", "-r", folder.path()}, workDir.path(), *asNobody);
  EXPECT_EQ(list.exitCode, 1) << list.err.constData();
  const Grid grid = gridOfTsv(list.out);
  EXPECT_EQ(cell(grid, "01.mp3", "Album"), "Группа крови") << "the readable file is still listed";
  EXPECT_EQ(cell(grid, "02 unreadable.mp3", "FileName"), "02 unreadable.mp3");
  EXPECT_TRUE(list.err.contains("02 unreadable.mp3: ")) << list.err.constData();
  EXPECT_TRUE(list.err.contains("1 folder could not be read")) << list.err.constData();
  setMode(folder.file("Locked"), 0755);  // so the temporary folder can be removed
}

TEST_F(FolderCommandsTest, SplitNameGivesArtistYearAndAlbumOfAFolderName) {
  const struct {
    const char* name;
    const char* line;
  } cases[] = {
      {"some band - 1999 - first album", "Some Band\t1999\tFirst Album\n"},
      {"1999 - Some Band - First Album", "Some Band\t1999\tFirst Album\n"},
      {"Some Band - First Album", "Some Band\t0000\tFirst Album\n"},
      {"Some Band - First Album 2003", "Some Band\t2003\tFirst Album\n"},
      {"Some Band - First Album-2003", "Some Band\t2003\tFirst Album\n"},
      {"Some Band - [2003] - First Album", "Some Band\t2003\tFirst Album\n"},
      {"Some Band - First Album - Disc 1", "Some Band\t0000\tFirst Album - Disc 1\n"},
      {"Some Band - 2003 - First Album - Live", "Some Band\t2003\tFirst Album - Live\n"},
      {"2003 Some Band - First Album", "Some Band\t2003\tFirst Album\n"},
      {"THE BAND (live) - 1999 - BEST OF", "The Band (Live)\t1999\tBest Of\n"},
      {"Album", "Album\t0000\t\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliResult split = run({"split-name", c.name});
    EXPECT_EQ(split.exitCode, 0) << split.err.constData();
    EXPECT_EQ(QString::fromUtf8(split.out), QString::fromUtf8(c.line));
  }
}

TEST_F(FolderCommandsTest, SuggestReadsTheNameOfTheFilesFolder) {
  folder.add("plain.mp3", "01.mp3");
  const CliResult suggest = run({"suggest", folder.path()});
  EXPECT_EQ(suggest.exitCode, 0) << suggest.err.constData();
  EXPECT_EQ(suggest.out, "Some Band\t1999\tFirst Album\n");

  QTemporaryDir empty;
  const CliResult none = run({"suggest", empty.path()});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_TRUE(none.out.isEmpty());
  EXPECT_TRUE(none.err.contains("No directories")) << none.err.constData();
}

TEST_F(FolderCommandsTest, ClearRemovesEveryTagOnlyWhenConfirmed) {
  const QStringList names{"01.mp3", "02.flac"};
  folder.add("v23.mp3", names[0]);
  folder.add("tagged.flac", names[1]);
  const auto before = allBytes(names);

  const CliResult unconfirmed = run({"clear", folder.path()});
  EXPECT_EQ(unconfirmed.exitCode, 2);
  EXPECT_TRUE(unconfirmed.err.contains("Remove every tag from 2 files?")) << unconfirmed.err.constData();
  EXPECT_EQ(allBytes(names), before);

  const CliResult clear = run({"clear", folder.path(), "--yes"});
  EXPECT_EQ(clear.exitCode, 0) << clear.err.constData();
  EXPECT_EQ(clear.out, "2 files cleared.\n");
  for (const QString& name : names) EXPECT_TRUE(folder.hasNoTags(name)) << name.toStdString();
}

TEST_F(FolderCommandsTest, UsageErrorsExitWithTwoAndChangeNothing) {
  folder.add("v23.mp3", "01.mp3");
  const QByteArray before = folder.bytes("01.mp3");
  const QString path = folder.path();
  const struct {
    QStringList args;
    const char* message;
  } cases[] = {
      {{"list", folder.file("missing")}, "missing: no such folder"},
      {{"set", folder.file("missing"), "Album=X"}, "missing: no such folder"},
      {{"list", "--verbose", path}, "unknown option --verbose"},
      {{"list", path, path}, "usage: quillora-cli list"},
      {{"set", path}, "usage: quillora-cli set"},
      {{"set", path, "Album"}, "\"Album\" is not FIELD=VALUE"},
      {{"set", path, "=X"}, "\"=X\" is not FIELD=VALUE"},
      {{"set", path, "Album="}, "a batch value cannot be empty"},
      {{"set", path, "Album=" + QString(501, 'x')}, "a batch value holds at most 500 characters"},
      {{"set", path, "Nonsense=X"}, "unknown field \"Nonsense\""},
      {{"set", path, "1234=X"}, "unknown field \"1234\""},
      {{"set", path, "Involved people list=X"}, "belongs to the fields 14, 43"},
      {{"set", path, "Album=X", "Nonsense=Y"}, "unknown field \"Nonsense\""},
      {{"split-name"}, "usage: quillora-cli split-name TEXT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').left(80).toStdString());
    const CliResult result = run(c.args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.constData();
    EXPECT_TRUE(result.err.contains(c.message)) << result.err.constData();
  }
  EXPECT_EQ(folder.bytes("01.mp3"), before);
}

TEST_F(FolderCommandsTest, UsesTheFieldFilesOfTheCurrentDirectoryAndNeverWritesThem) {
  QFile shipped(QStringLiteral(FIELD_DATA_DIR "/catalogue.tsv"));
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
  QByteArray tsv = shipped.readAll();
  ASSERT_TRUE(tsv.contains("\t\t31\tAlbum\t"));
  tsv.replace("\t\t31\tAlbum\t", "\t\t31\tDisc Title\t");
  QTemporaryDir sources;
  const QString tsvFile = sources.filePath("catalogue.tsv");
  QFile out(tsvFile);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(tsv);
  out.close();
  const QString catalogue = workDir.filePath("FieldsInternal.dtt");
  ASSERT_EQ(RunCli({"fieldmap", "build", "--kind", "catalogue", tsvFile, catalogue}).exitCode, 0);
  workFiles << "FieldsInternal.dtt";
  QFile built(catalogue);
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  const QByteArray catalogueBytes = built.readAll();
  built.close();
  folder.add("v23.mp3", "01.mp3");

  const Grid grid = gridOfTsv(run({"list", folder.path()}).out);
  EXPECT_EQ(cell(grid, "01.mp3", "Disc Title"), "Группа крови");
  EXPECT_EQ(cell(grid, "01.mp3", "Album"), "(none)");
  const CliResult set = run({"set", folder.path(), "disc title=Другой"});
  EXPECT_EQ(set.exitCode, 0) << set.err.constData();
  EXPECT_EQ(folder.property("01.mp3", "ALBUM"), "Другой");
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  EXPECT_EQ(built.readAll(), catalogueBytes);
}

}  // namespace
}  // namespace quillora
