#include "app/Settings.h"
#include "fields/Error.h"
#include "tests/dialogs/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace quillora {

bool operator==(const AppSettings& a, const AppSettings& b) {
  return a.tracksPath == b.tracksPath && a.exceptions == b.exceptions &&
         a.databaseDirs == b.databaseDirs && a.genreTypes == b.genreTypes &&
         a.pictures == b.pictures && a.picturesFlag == b.picturesFlag &&
         a.fileNameWidth == b.fileNameWidth;
}

void PrintTo(const AppSettings& s, std::ostream* os) {
  *os << "{" << s.tracksPath.toStdString() << " | " << s.exceptions.join('|').toStdString()
      << " | " << s.databaseDirs.join('|').toStdString() << " | "
      << s.genreTypes.join('|').toStdString() << " | " << s.pictures << s.picturesFlag << " | "
      << s.fileNameWidth << "}";
}

namespace {

using testing::ReadBytes;
using testing::WriteBytes;

const QStringList kDefaultExceptions = {
    "Various", "Various Artist", "Various Artists",
    QStringLiteral("\u05D0\u05DE\u05E0\u05D9\u05DD \u05E9\u05D5\u05E0\u05D9\u05DD"),
    QStringLiteral("\u05D0\u05D5\u05DE\u05E0\u05D9\u05DD \u05E9\u05D5\u05E0\u05D9\u05DD")};

AppSettings Defaults() {
  AppSettings s;
  s.exceptions = kDefaultExceptions;
  s.genreTypes = {"Classic Pop"};
  return s;
}

class SettingsTest : public ::testing::Test {
 protected:
  QString settingsFile() const { return SettingsFileName(dir_.path()); }
  QTemporaryDir dir_;
};

TEST_F(SettingsTest, FileSitsInTheGivenFolder) {
  EXPECT_EQ(SettingsFileName("/opt/q"), "/opt/q/Ormu.dat.ini");
}

TEST_F(SettingsTest, NoFileGivesTheDefaultsAndWritesEveryKeyInItsOrder) {
  const AppSettings read = ReadSettings(settingsFile());
  EXPECT_EQ(read, Defaults());
  WriteSettings(settingsFile(), read);
  EXPECT_EQ(ReadBytes(settingsFile()),
            QByteArray("[DEFAULTS]\r\n"
                       "TRACKSPATH=\r\n"
                       "GENRETYPES=Classic Pop\r\n"
                       "[CONFIG]\r\n"
                       "EXCEPTIONS=Various,Various Artist,Various Artists,"
                       "\xD7\x90\xD7\x9E\xD7\xA0\xD7\x99\xD7\x9D \xD7\xA9\xD7\x95\xD7\xA0\xD7\x99\xD7\x9D,"
                       "\xD7\x90\xD7\x95\xD7\x9E\xD7\xA0\xD7\x99\xD7\x9D \xD7\xA9\xD7\x95\xD7\xA0\xD7\x99\xD7\x9D\r\n"
                       "DATABASE=\r\n"
                       "[CHECKED]\r\n"
                       "PICTURES=1\r\n"
                       "PICTURESFLAG=1\r\n"
                       "[WIDTHS]\r\n"
                       "FILENAME=50\r\n"));
}

struct ReadCase {
  const char* name;
  QByteArray file;
  std::function<void(AppSettings&)> expect;  // applied to the defaults
};

TEST_F(SettingsTest, ReadsEachKeyByItsRules) {
  const QString longPath = '/' + QString(3000, 'p');
  const ReadCase cases[] = {
      {"folder", "[DEFAULTS]\r\nTRACKSPATH=/music/a b\r\n",
       [](AppSettings& s) { s.tracksPath = "/music/a b"; }},
      {"names ignore case", "[defaults]\r\ntracksPath=/m\r\n",
       [](AppSettings& s) { s.tracksPath = "/m"; }},
      {"text cut at 2047 characters", "[DEFAULTS]\r\nTRACKSPATH=" + longPath.toUtf8() + "\r\n",
       [&](AppSettings& s) { s.tracksPath = longPath.left(2047); }},
      {"present but empty list", "[CONFIG]\r\nEXCEPTIONS=\r\n",
       [](AppSettings& s) { s.exceptions.clear(); }},
      {"blanks only", "[CONFIG]\r\nEXCEPTIONS=\"   \"\r\n",
       [](AppSettings& s) { s.exceptions.clear(); }},
      {"empty middle entry", "[CONFIG]\r\nEXCEPTIONS=a,,b\r\n",
       [](AppSettings& s) { s.exceptions = {"a", "", "b"}; }},
      {"trailing comma", "[CONFIG]\r\nEXCEPTIONS=a,\r\n",
       [](AppSettings& s) { s.exceptions = {"a"}; }},
      {"entries not trimmed", "[CONFIG]\r\nDATABASE=a, b\r\n",
       [](AppSettings& s) { s.databaseDirs = {"a", " b"}; }},
      {"duplicates kept", "[DEFAULTS]\r\nGENRETYPES=Pop,Pop\r\n",
       [](AppSettings& s) { s.genreTypes = {"Pop", "Pop"}; }},
      {"PICTURES 0 clears", "[CHECKED]\r\nPICTURES=0\r\n", [](AppSettings& s) { s.pictures = false; }},
      {"PICTURES 2 sets", "[CHECKED]\r\nPICTURES=2\r\n", [](AppSettings&) {}},
      {"PICTURES 256 clears", "[CHECKED]\r\nPICTURES=256\r\n",
       [](AppSettings& s) { s.pictures = false; }},
      {"PICTURES 0x100 clears", "[CHECKED]\r\nPICTURES=0x100\r\n",
       [](AppSettings& s) { s.pictures = false; }},
      {"PICTURES no integer gives 1", "[CHECKED]\r\nPICTURES=yes\r\n", [](AppSettings&) {}},
      {"PICTURESFLAG empty gives 1", "[CHECKED]\r\nPICTURESFLAG=\r\n", [](AppSettings&) {}},
      {"PICTURESFLAG 0 clears", "[CHECKED]\r\nPICTURESFLAG=0\r\n",
       [](AppSettings& s) { s.picturesFlag = false; }},
      {"width decimal", "[WIDTHS]\r\nFILENAME=320\r\n", [](AppSettings& s) { s.fileNameWidth = 320; }},
      {"width hexadecimal", "[WIDTHS]\r\nFILENAME=0x1F\r\n",
       [](AppSettings& s) { s.fileNameWidth = 31; }},
      {"width with sign", "[WIDTHS]\r\nFILENAME=-7\r\n", [](AppSettings& s) { s.fileNameWidth = -7; }},
      {"width no integer", "[WIDTHS]\r\nFILENAME=12px\r\n", [](AppSettings&) {}},
      {"width hex without digits", "[WIDTHS]\r\nFILENAME=0x\r\n", [](AppSettings&) {}},
      {"width beyond 32 bits", "[WIDTHS]\r\nFILENAME=4294967296\r\n", [](AppSettings&) {}},
      {"unknown keys ignored", "[WIDTHS]\r\nOTHER=1\r\n[X]\r\nFILENAME=9\r\n", [](AppSettings&) {}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(settingsFile(), c.file);
    AppSettings expected = Defaults();
    c.expect(expected);
    EXPECT_EQ(ReadSettings(settingsFile()), expected);
  }
}

struct RoundTripCase {
  QByteArray stored;
  QByteArray writtenBack;
};

TEST_F(SettingsTest, ListsAreWrittenBackAsRead) {
  const RoundTripCase cases[] = {
      {"EXCEPTIONS=a,,b", "EXCEPTIONS=a,,b"},
      {"EXCEPTIONS=a,", "EXCEPTIONS=a"},
      {"EXCEPTIONS=", "EXCEPTIONS="},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.stored.toStdString());
    WriteBytes(settingsFile(), "[CONFIG]\r\n" + c.stored + "\r\n");
    WriteSettings(settingsFile(), ReadSettings(settingsFile()));
    EXPECT_TRUE(ReadBytes(settingsFile()).startsWith("[CONFIG]\r\n" + c.writtenBack + "\r\n"))
        << ReadBytes(settingsFile()).toStdString();
  }
}

TEST_F(SettingsTest, WritingKeepsTheRestOfTheFile) {
  WriteBytes(settingsFile(),
             "; mine\r\n[WIDTHS]\r\nfilename = 80\r\nOTHER=x\r\n\r\n[MINE]\r\nKEEP=1\r\n");
  AppSettings settings = ReadSettings(settingsFile());
  EXPECT_EQ(settings.fileNameWidth, 80);
  settings.fileNameWidth = 120;
  settings.tracksPath = "/music";
  settings.pictures = false;
  WriteSettings(settingsFile(), settings);
  EXPECT_EQ(ReadBytes(settingsFile()),
            QByteArray("; mine\r\n[WIDTHS]\r\nfilename=120\r\nOTHER=x\r\n\r\n[MINE]\r\nKEEP=1\r\n"
                       "[DEFAULTS]\r\nTRACKSPATH=/music\r\nGENRETYPES=Classic Pop\r\n"
                       "[CONFIG]\r\nEXCEPTIONS=Various,Various Artist,Various Artists,"
                       "\xD7\x90\xD7\x9E\xD7\xA0\xD7\x99\xD7\x9D \xD7\xA9\xD7\x95\xD7\xA0\xD7\x99\xD7\x9D,"
                       "\xD7\x90\xD7\x95\xD7\x9E\xD7\xA0\xD7\x99\xD7\x9D \xD7\xA9\xD7\x95\xD7\xA0\xD7\x99\xD7\x9D\r\n"
                       "DATABASE=\r\n[CHECKED]\r\nPICTURES=0\r\nPICTURESFLAG=1\r\n"));
  EXPECT_EQ(ReadSettings(settingsFile()), settings);
}

TEST_F(SettingsTest, UnwritableFileGivesTheMessage) {
  const QString blocked = settingsFile();
  ASSERT_TRUE(QDir().mkdir(blocked));
  try {
    WriteSettings(blocked, Defaults());
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.message(), "Unable to write to " + blocked);
  }
}

struct CommaCase {
  QString text;
  QStringList list;
};

TEST(CommaListTest, SplitsOnEveryCommaAndJoinsBack) {
  const CommaCase cases[] = {
      {"", {}},
      {" \t ", {}},
      {"a", {"a"}},
      {"a,b", {"a", "b"}},
      {"a,,b", {"a", "", "b"}},
      {",a", {"", "a"}},
      {"a, b ", {"a", " b "}},
      {",", {""}},
  };
  for (const CommaCase& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    QStringList list{"stale"};
    SplitCommaList(c.text, list);
    EXPECT_EQ(list, c.list);
  }
  EXPECT_EQ(JoinCommaList({}), "");
  EXPECT_EQ(JoinCommaList({"a", "", "b"}), "a,,b");
  EXPECT_EQ(JoinCommaList({"a,b"}), "a,b");
}

}  // namespace
}  // namespace quillora
