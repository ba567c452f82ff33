// quillora-cli fieldmap, run as a user would run it.
#include "RunCli.h"
#include "fields/DefaultFieldData.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CliResult cli(const QStringList& args) { return RunCli(args); }

QByteArray readFile(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

const QString kDataDir = QStringLiteral(FIELD_DATA_DIR);

TEST(FieldMapCommands, DumpOfTheBuiltInFieldMapListsItsRows) {
  QTemporaryDir dir;
  const QString file = dir.filePath("FieldsInternal.dat");
  ASSERT_EQ(cli({"fieldmap", "default", "--kind", "fieldmap", file}).exitCode, 0);
  EXPECT_EQ(readFile(file), quillora::DefaultFieldMapFile());

  const CliResult dump = cli({"fieldmap", "dump", file});
  ASSERT_EQ(dump.exitCode, 0) << dump.err.constData();
  EXPECT_EQ(dump.out, readFile(kDataDir + "/fieldmap.tsv"));
  const QList<QByteArray> lines = dump.out.split('\n');
  EXPECT_EQ(lines[0], "ID\tFieldID\tFieldMediaID\tFieldMediaIDValue\tFieldMediaIDCode\tMediaTypeID\t"
                      "InternalBatchValue\tColumnIndex\tViewCheck\tBatchCheck");
  for (const QByteArray& row : {QByteArray("1\t49\t\t$54495432\t\t1\t\t-1\tFalse\tFalse"),
                                QByteArray("\t31\t\tWM/AlbumTitle\t\t2\t\t-1\tFalse\tFalse"),
                                QByteArray("\t70\t30\t\t\t4\t\t-1\tFalse\tFalse"),
                                QByteArray("\t82\t\t$49435244\t\t5\t\t-1\tFalse\tFalse"),
                                QByteArray("\t49\t\t$A96E616D\t\t9\t\t-1\tFalse\tFalse"),
                                QByteArray("\t35\t4\t\t\t13\t\t-1\tFalse\tFalse")}) {
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.endsWith(row); }))
        << row.constData();
  }
}

TEST(FieldMapCommands, BuildThenDumpGivesTheTextBack) {
  const struct {
    const char* kind;
    const char* tsv;
    QByteArray builtIn;
  } cases[] = {
      {"fieldmap", "fieldmap.tsv", quillora::DefaultFieldMapFile()},
      {"catalogue", "catalogue.tsv", quillora::DefaultCatalogueFile()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    QTemporaryDir dir;
    const QString tsv = kDataDir + "/" + c.tsv;
    const QString out = dir.filePath("out.dat");
    const CliResult build = cli({"fieldmap", "build", "--kind", c.kind, tsv, out});
    ASSERT_EQ(build.exitCode, 0) << build.err.constData();
    EXPECT_EQ(readFile(out), c.builtIn);
    EXPECT_EQ(cli({"fieldmap", "dump", out}).out, readFile(tsv));
    EXPECT_EQ(cli({"fieldmap", "dump", QString("--kind=") + c.kind, out}).out, readFile(tsv));
  }
}

TEST(FieldMapCommands, DumpAsTheProgramSeesItCutsAndDropsColumns) {
  QTemporaryDir dir;
  const QString tsv = dir.filePath("in.tsv");
  const QString raw = dir.filePath("raw.dat");
  // Built as a catalogue, so only catalogue columns; loaded as a field map.
  writeFile(tsv, "ID\tName\tFieldSize\n7\tSome name that is long\t12\n");
  ASSERT_EQ(cli({"fieldmap", "build", "--kind", "catalogue", tsv, raw}).exitCode, 0);
  EXPECT_EQ(cli({"fieldmap", "dump", raw}).out,
            "ViewCheck\tBatchCheck\tID\tName\tBatchValue\tFieldTypeID\tFieldSize\tcxGridColumnIndex\n"
            "\t\t7\tSome name that is long\t\t\t12\t\n");
  EXPECT_EQ(cli({"fieldmap", "dump", "--kind", "fieldmap", raw}).out,
            "ID\tFieldID\tFieldMediaID\tFieldMediaIDValue\tFieldMediaIDCode\tMediaTypeID\t"
            "InternalBatchValue\tColumnIndex\tViewCheck\tBatchCheck\n"
            "7\t\t\t\t\t\t\t\t\t\n");
}

TEST(FieldMapCommands, MalformedTextFailsWithTheLineAndWritesNothing) {
  QTemporaryDir dir;
  const QString tsv = dir.filePath("bad.tsv");
  writeFile(tsv, "ID\tFieldID\n1\t49\n2\tforty\n");
  const struct {
    const char* what;
    bool exists;
  } cases[] = {{"new file", false}, {"existing file", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString out = dir.filePath(QString("out-%1.dat").arg(c.exists));
    if (c.exists) writeFile(out, "keep me");
    const CliResult build = cli({"fieldmap", "build", "--kind", "fieldmap", tsv, out});
    EXPECT_EQ(build.exitCode, 1);
    EXPECT_TRUE(build.err.contains((tsv + ":3: \"forty\" is not an integer (column FieldID)").toUtf8()))
        << build.err.constData();
    EXPECT_TRUE(build.out.isEmpty());
    EXPECT_EQ(QFile::exists(out), c.exists);
    if (c.exists) {
      EXPECT_EQ(readFile(out), "keep me");
    }
  }
}

TEST(FieldMapCommands, ErrorsGoToStandardErrorWithANonZeroExit) {
  QTemporaryDir dir;
  const QString notTable = dir.filePath("notes.txt");
  writeFile(notTable, "hello");
  const struct {
    QStringList args;
    int exitCode;
    QString message;
  } cases[] = {
      {{"fieldmap", "dump", notTable}, 1, notTable + ": not a memory-table file"},
      {{"fieldmap", "dump", dir.filePath("missing.dat")}, 1, dir.filePath("missing.dat") + ": cannot read"},
      {{"fieldmap", "dump", "--kind", "tracks", notTable}, 2, "unknown kind \"tracks\""},
      {{"fieldmap", "build", notTable, dir.filePath("o")}, 2, "needs --kind"},
      {{"fieldmap", "dump"}, 2, "fieldmap dump takes 1 file name(s), 0 given"},
      {{"fieldmap", "frobnicate"}, 2, "unknown fieldmap command"},
      {{"fieldmap", "dump", "--verbose", notTable}, 2, "unknown option --verbose"},
      {{"nosuchgroup"}, 2, "unknown command group"},
      {{}, 2, "Usage: quillora-cli"},
  };
  for (const auto& c : cases) {
    const CliResult run = cli(c.args);
    SCOPED_TRACE(c.args.join(' ').toStdString());
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(c.message.toUtf8())) << run.err.constData();
  }
}

TEST(FieldMapCommands, HelpExplainsEveryCommand) {
  const QStringList fieldmap{"fieldmap dump FILE", "fieldmap dump --kind fieldmap|catalogue FILE",
                             "fieldmap build --kind fieldmap|catalogue TSV OUT",
                             "fieldmap default --kind fieldmap|catalogue OUT"};
  const QStringList folders{"list [-r] [--json] FOLDER", "suggest FOLDER", "split-name TEXT",
                            "set [-r] [--dry-run] FOLDER FIELD=VALUE ...", "clear [-r] FOLDER --yes"};
  const struct {
    QStringList args;
    QStringList commands;
  } cases[] = {
      {{"--help"}, fieldmap + folders},
      {{"fieldmap", "--help"}, fieldmap},
      {{"set", "--help"}, {folders[3]}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CliResult help = cli(c.args);
    EXPECT_EQ(help.exitCode, 0);
    for (const QString& command : c.commands)
      EXPECT_TRUE(help.out.contains("quillora-cli " + command.toUtf8())) << command.toStdString();
  }
}

}  // namespace
