// Reading a file's tags through the field map rows of its media type.
#include "fields/Error.h"
#include "tags/TagReader.h"
#include "tests/tags/TagsFixture.h"

#include <QLocale>

namespace quillora {
namespace {

using ReadTags = TagsFixture;

const QString kTalb = QStringLiteral("ID3V2GetTextFrameW(1413565506)");

TEST_F(ReadTags, StoresTheEnginesTextsExactlyAndReleasesThem) {
  addRows({{31, 1, {}, QStringLiteral("$54414C42")}, {49, 1, {}, QStringLiteral("1414091826")}});
  const QString odd = QStringLiteral(" שלום = мир 日本 🎵 ");
  fake_engine::SetResult(kTalb, odd);
  fake_engine::SetResult(QStringLiteral("ID3V2GetTextFrameW(1414091826)"), QStringLiteral("Title"));
  read(QStringLiteral("/m/a.mp3"));
  EXPECT_EQ(tag.Texts().Lines(), (QStringList{QStringLiteral("31=") + odd, QStringLiteral("49=Title")}));
  EXPECT_EQ(fake_engine::LiveTexts(), 0);
}

TEST_F(ReadTags, EmptiesTheListAndLeavesTheFilterOnTheMediaType) {
  addRows({{31, 4, QStringLiteral("1"), {}}, {31, 1, {}, QStringLiteral("1")}, {33, 4, QStringLiteral("3"), {}}});
  tag.Texts().SetFieldValue(82, QStringLiteral("1999"));
  fake_engine::SetResult(QStringLiteral("FLACGetUserItemW(ARTIST)"), QStringLiteral("A"));
  read(QStringLiteral("/m/a.flac"));
  EXPECT_EQ(tag.Texts().Lines(), QStringList{QStringLiteral("33=A")});
  const MemTable& map = model.mdFieldsInternal;
  ASSERT_EQ(map.visibleCount(), 2);
  EXPECT_EQ(map.visibleRow(0), 0);
  EXPECT_EQ(map.visibleRow(1), 2);
  EXPECT_FALSE(map.controlsDisabled());
}

TEST_F(ReadTags, LaterRowOfAFieldDecidesAndAnEmptyResultRemovesTheLine) {
  addRows({{31, 4, QStringLiteral("1"), {}}, {33, 4, QStringLiteral("3"), {}}, {31, 4, QStringLiteral("29"), {}},
           {33, 4, QStringLiteral("31"), {}}});
  fake_engine::SetResult(QStringLiteral("FLACGetUserItemW"), QStringLiteral("v"));
  fake_engine::SetResult(QStringLiteral("FLACGetUserItemW(TITLE)"), QStringLiteral("t"));
  read(QStringLiteral("/m/a.flac"));
  EXPECT_EQ(tag.Texts().Lines(), QStringList{QStringLiteral("31=t")});
}

TEST_F(ReadTags, RowsSkippedByTheirMediaTypeCallNothing) {
  const struct {
    const char* file;
    MapRow row;
  } cases[] = {
      {"/m/a.mp3", {31, 1, QStringLiteral("5"), {}}},         // blank key text
      {"/m/a.wma", {31, 2, {}, QStringLiteral(" \t")}},       // key text only blanks
      {"/m/a.flac", {31, 4, {}, QStringLiteral("ALBUM")}},    // blank item number
      {"/m/a.flac", {31, 4, QStringLiteral("0"), {}}},
      {"/m/a.ogg", {31, 6, QStringLiteral("-3"), {}}},
      {"/m/a.ape", {31, 13, QStringLiteral("  "), {}}},
      {"/m/a.m4a", {31, 12, {}, QStringLiteral("1")}},        // media type 12 is never a file's
      {"/m/a.mpeg", {31, 7, QStringLiteral("1"), QStringLiteral("1")}},
      {"/m/a.aac", {31, 8, QStringLiteral("1"), QStringLiteral("1")}},
      {"/m/a.tta", {31, 10, QStringLiteral("1"), QStringLiteral("1")}},
      {"/m/a.wavpack", {31, 11, QStringLiteral("1"), QStringLiteral("1")}},
      {"/m/a.mp", {31, 1, {}, QStringLiteral("1")}},          // MP is no whole entry of ",MPG,MP3,"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    model.mdFieldsInternal.close();
    model.mdFieldsInternal.open();
    fake_engine::Reset();
    addRows({c.row});
    tag.Texts().LoadFields(QString::fromLatin1(c.file));
    EXPECT_EQ(fake_engine::Calls(), QStringList{Analyzed(QString::fromLatin1(c.file))});
    EXPECT_TRUE(tag.Texts().Lines().isEmpty());
  }
}

TEST_F(ReadTags, CompressionRatioHas15DigitsAndTheUsersDecimalSeparator) {
  ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","));
  addRows({{40, 4, QStringLiteral("8"), {}}});
  const struct {
    const char* answer;
    const char* stored;
  } cases[] = {{"0.5", "0,5"}, {"0.6", "0,600000023841858"}, {"1", "1"}, {"1.25", "1,25"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    fake_engine::SetResult(QStringLiteral("FLACGetCompressionRatioW"), QString::fromLatin1(c.answer));
    read(QStringLiteral("/m/a.flac"));
    EXPECT_EQ(tag.Texts().GetFieldValue(40), QString::fromLatin1(c.stored));
  }
  EXPECT_EQ(RatioText(0.6f, QStringLiteral(".")), QStringLiteral("0.600000023841858"));
}

// Bad integers in the field map end the read with the conversion error; the
// values of earlier rows stay and the field map's views are released.
TEST_F(ReadTags, ConversionErrorsEndTheReadAndReleaseTheViews) {
  const struct {
    const char* file;
    MapRow row;
    const char* error;
  } cases[] = {
      {"/m/a.mp3", {33, 1, {}, QStringLiteral(" TALB ")}, "''TALB'' is not a valid integer value"},
      // Item numbers are read in every row, used or not, and before the
      // extension test.
      {"/m/a.mp3", {33, 1, QStringLiteral("abc"), QStringLiteral("1")}, "''abc'' is not a valid integer value"},
      {"/m/a.mp", {33, 1, QStringLiteral("5 "), {}}, "''5 '' is not a valid integer value"},
      {"/m/a.flac", {33, 4, QStringLiteral("99999999999"), {}}, "''99999999999'' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    model.mdFieldsInternal.close();
    model.mdFieldsInternal.open();
    const QString file = QString::fromLatin1(c.file);
    const int type = model.MediaTypeOfFile(file);
    addRows({{31, type, QStringLiteral("1"), QStringLiteral("1")}, c.row, {49, type, QStringLiteral("1"), QStringLiteral("1")}});
    fake_engine::SetResult(QStringLiteral("ID3V2GetTextFrameW(1)"), QStringLiteral("first"));
    fake_engine::SetResult(QStringLiteral("FLACGetUserItemW(ALBUM)"), QStringLiteral("first"));
    try {
      tag.Texts().LoadFields(file);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.message(), QString::fromLatin1(c.error));
    }
    const bool firstRowRead = !file.endsWith(QStringLiteral(".mp"));
    EXPECT_EQ(tag.Texts().Lines(), firstRowRead ? QStringList{QStringLiteral("31=first")} : QStringList{});
    EXPECT_FALSE(model.mdFieldsInternal.controlsDisabled());
  }
}

TEST_F(ReadTags, UserItemKeyTextNeedsNoNumber) {
  addRows({{31, 2, QStringLiteral(""), QStringLiteral("WM/AlbumTitle")}});
  fake_engine::SetResult(QStringLiteral("WMAGetUserItemW(WM/AlbumTitle)"), QStringLiteral("Album"));
  read(QStringLiteral("/m/a.wma"));
  EXPECT_EQ(tag.Texts().GetFieldValue(31), QStringLiteral("Album"));
}

}  // namespace
}  // namespace quillora
