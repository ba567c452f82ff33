#include "dialogs/FavouritesFile.h"
#include "fields/Error.h"
#include "tests/dialogs/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

QByteArray Utf16LE(const QString& text) { return QStringEncoder(QStringEncoder::Utf16LE).encode(text); }
QByteArray Utf16BE(const QString& text) { return QStringEncoder(QStringEncoder::Utf16BE).encode(text); }

class FavouritesFileTest : public ::testing::Test {
 protected:
  QString file() const { return FavouritesFileName(dir_.path()); }
  QTemporaryDir dir_;
};

struct FavouritesCase {
  const char* name;
  QByteArray stored;
  QStringList items;
  QByteArray rewritten;  // after writing the list back unchanged
};

TEST_F(FavouritesFileTest, ReadsAndWritesBackInTheSameEncoding) {
  const QString two = QStringLiteral("/m\u00FCsic\r\n/\u05D0\r\n");
  const FavouritesCase cases[] = {
      {"UTF-8 without BOM", "/a\r\n/b\r\n", {"/a", "/b"}, "/a\r\n/b\r\n"},
      {"LF ends become CR LF", "/a\n/b\n", {"/a", "/b"}, "/a\r\n/b\r\n"},
      {"CR ends become CR LF", "/a\r/b\r", {"/a", "/b"}, "/a\r\n/b\r\n"},
      {"mixed ends", "/a\r\n/b\n/c\r/d", {"/a", "/b", "/c", "/d"}, "/a\r\n/b\r\n/c\r\n/d\r\n"},
      {"no end on the last line", "/a\r\n/b", {"/a", "/b"}, "/a\r\n/b\r\n"},
      {"empty lines are empty items", "/a\r\n\r\n\n/b\r\n", {"/a", "", "", "/b"},
       "/a\r\n\r\n\r\n/b\r\n"},
      {"a lone line end", "\r\n", {""}, "\r\n"},
      {"empty file", "", {}, ""},
      {"UTF-8 BOM", "\xEF\xBB\xBF/m\xC3\xBCsic\r\n", {QStringLiteral("/m\u00FCsic")},
       "\xEF\xBB\xBF/m\xC3\xBCsic\r\n"},
      {"UTF-8 BOM on an empty list", "\xEF\xBB\xBF", {}, "\xEF\xBB\xBF"},
      {"UTF-16 LE", "\xFF\xFE" + Utf16LE(two), {QStringLiteral("/m\u00FCsic"), QStringLiteral("/\u05D0")},
       "\xFF\xFE" + Utf16LE(two)},
      {"UTF-16 BE", "\xFE\xFF" + Utf16BE(two), {QStringLiteral("/m\u00FCsic"), QStringLiteral("/\u05D0")},
       "\xFE\xFF" + Utf16BE(two)},
      {"UTF-16 LE with LF ends", "\xFF\xFE" + Utf16LE("/a\n"), {"/a"}, "\xFF\xFE" + Utf16LE("/a\r\n")},
      {"not UTF-8: Windows-1252", "/m\xFCsic\r\n/\x80\r\n",
       {QStringLiteral("/m\u00FCsic"), QStringLiteral("/\u20AC")}, "/m\xFCsic\r\n/\x80\r\n"},
  };
  for (const FavouritesCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(file(), c.stored);
    const FavouritesList list = ReadFavouritesFile(file());
    EXPECT_EQ(list.items, c.items);
    WriteFavouritesFile(file(), list);
    EXPECT_EQ(ReadBytes(file()), c.rewritten);
  }
}

TEST_F(FavouritesFileTest, MissingFileIsAnEmptyUtf8List) {
  const FavouritesList list = ReadFavouritesFile(file());
  EXPECT_TRUE(list.items.isEmpty());
  WriteFavouritesFile(file(), list);
  EXPECT_TRUE(QFileInfo::exists(file()));
  EXPECT_EQ(ReadBytes(file()), QByteArray());

  FavouritesList fresh;
  fresh.items = {QStringLiteral("/\u05D0"), "/b"};
  WriteFavouritesFile(file(), fresh);
  EXPECT_EQ(ReadBytes(file()), QByteArray("/\xD7\x90\r\n/b\r\n"));
}

TEST_F(FavouritesFileTest, Windows1252ListTakesUtf8RatherThanLosingAPath) {
  WriteBytes(file(), "/m\xFCsic\r\n");
  FavouritesList list = ReadFavouritesFile(file());
  list.items.append(QStringLiteral("/\u05D0"));
  WriteFavouritesFile(file(), list);
  EXPECT_EQ(ReadBytes(file()), QByteArray("/m\xC3\xBCsic\r\n/\xD7\x90\r\n"));
  EXPECT_EQ(ReadFavouritesFile(file()).items, list.items);
}

TEST_F(FavouritesFileTest, ReadAndWriteErrorsNameTheFile) {
  ASSERT_TRUE(QDir().mkdir(file()));
  try {
    ReadFavouritesFile(file());
    FAIL() << "no read error";
  } catch (const Error& error) {
    EXPECT_TRUE(error.message().contains(file())) << error.what();
  }
  try {
    WriteFavouritesFile(file(), {});
    FAIL() << "no write error";
  } catch (const Error& error) {
    EXPECT_TRUE(error.message().contains(file())) << error.what();
  }
}

}  // namespace
}  // namespace quillora
