#include "QtPrinters.h"
#include "commands/FolderName.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

struct SplitCase {
  const char* folderName;
  const char* artist;
  const char* year;
  const char* album;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << '"' << c.folderName << '"'; }

class SplitFolderNameTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFolderNameTest, GivesArtistYearAndAlbum) {
  const SplitCase& c = GetParam();
  const FolderNameParts parts = SplitFolderName(QString::fromUtf8(c.folderName));
  EXPECT_EQ(parts.artist, QString::fromUtf8(c.artist));
  EXPECT_EQ(parts.year, QString::fromUtf8(c.year));
  EXPECT_EQ(parts.album, QString::fromUtf8(c.album));
}

// The common ways of naming an album's folder.
INSTANTIATE_TEST_SUITE_P(
    WorkedResults, SplitFolderNameTest,
    ::testing::Values(
        SplitCase{"some band - 1999 - first album", "Some Band", "1999", "First Album"},
        SplitCase{"1999 - Some Band - First Album", "Some Band", "1999", "First Album"},
        SplitCase{"Some Band - First Album", "Some Band", "0000", "First Album"},
        SplitCase{"Some Band - First Album 2003", "Some Band", "2003", "First Album"},
        SplitCase{"Some Band - First Album-2003", "Some Band", "2003", "First Album"},
        SplitCase{"Some Band - [2003] - First Album", "Some Band", "2003", "First Album"},
        SplitCase{"Some Band - First Album - Disc 1", "Some Band", "0000", "First Album - Disc 1"},
        SplitCase{"Some Band - 2003 - First Album - Live", "Some Band", "2003",
                  "First Album - Live"},
        SplitCase{"2003 Some Band - First Album", "Some Band", "2003", "First Album"},
        SplitCase{"THE BAND (live) - 1999 - BEST OF", "The Band (Live)", "1999", "Best Of"},
        SplitCase{"Album", "Album", "0000", ""}));

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, SplitFolderNameTest,
    ::testing::Values(
        // No "-" at all: the whole name is the artist.
        SplitCase{"some band first album", "Some Band First Album", "0000", ""},
        // One-letter words are capitalised too.
        SplitCase{"a b - 2001 - c", "A B", "2001", "C"},
        // An empty artist counts as all digits, so the non-numeric year
        // moves into the artist's place.
        SplitCase{" - Some Band - First Album", "Some Band", "0000", "First Album"},
        // Runs of "-" count as one separator.
        SplitCase{"Some Band -- 1999 --- First Album", "Some Band", "1999", "First Album"},
        // An album that repeats the artist's words still runs to the end.
        SplitCase{"Band - 1999 - Band", "Band", "1999", "Band"},
        // Letters outside A to Z change case too.
        SplitCase{"BJÖRK - 1997 - HOMOGENIC", "Björk", "1997", "Homogenic"},
        // A year of other than four digits is taken as the album's start.
        SplitCase{"Some Band - 99 - First Album", "Some Band", "0000", "99 - First Album"},
        // An empty name: no words, no year.
        SplitCase{"", "", "0000", ""}));

TEST(SplitFolderNameTest, AnAlbumLongerThanTheWordLimitKeepsItsWholeText) {
  const QString album = QString(300, QLatin1Char('x'));
  const FolderNameParts parts = SplitFolderName(QStringLiteral("Band - 1999 - ") + album);
  EXPECT_EQ(parts.year, QStringLiteral("1999"));
  EXPECT_EQ(parts.album, QStringLiteral("X") + QString(299, QLatin1Char('x')));
}

struct WordCase {
  int n;
  const char* text;
  const char* word;
};

TEST(ExtractWordTest, SplitsOnRunsOfDashes) {
  const WordCase cases[] = {
      {1, "a-b-c", "a"},      {3, "a-b-c", "c"},       {4, "a-b-c", ""},
      {1, "--a--b", "a"},     {2, "--a--b", "b"},      {1, "", ""},
      {1, "---", ""},         {2, "a - b", " b"},      {0, "a-b", ""},
      {2, "a-b-", "b"},
  };
  for (const WordCase& c : cases)
    EXPECT_EQ(ExtractWord(c.n, QString::fromUtf8(c.text)), QString::fromUtf8(c.word))
        << c.n << " of \"" << c.text << '"';
}

TEST(ExtractWordTest, LooksAtTheFirst255CharactersOnly) {
  const QString text = QString(250, QLatin1Char('a')) + QStringLiteral("-bcdefgh-i");
  EXPECT_EQ(ExtractWord(2, text), QStringLiteral("bcde"));
  EXPECT_EQ(ExtractWord(3, text), QString());
}

TEST(ExtractWordTest, CountsCharactersNotCodeUnits) {
  // 254 emoji (two UTF-16 units each) and the start of a second word.
  const QString emoji = QString::fromUtf8("\xF0\x9F\x8E\xB5");
  QString text;
  for (int i = 0; i < 254; ++i) text += emoji;
  text += QStringLiteral("-xy");
  EXPECT_EQ(ExtractWord(1, text).size(), 2 * 254);
  EXPECT_EQ(ExtractWord(2, text), QString());

  // At the limit a character is never cut in half.
  const QString cut = ExtractWord(1, QString(254, QLatin1Char('a')) + emoji + emoji);
  EXPECT_EQ(cut, QString(254, QLatin1Char('a')) + emoji);
}

TEST(LastFolderNameTest, GivesTheTextBetweenTheLastTwoSlashes) {
  const std::pair<const char*, const char*> cases[] = {
      {"/music/Some Band - 1999 - First Album/01.mp3", "Some Band - 1999 - First Album"},
      {"/music/Some Band/", "Some Band"},
      {"/music/Band/CD1/01.mp3", "CD1"},
      {"/01.mp3", ""},
      {"Band/01.mp3", "Band"},
      {"01.mp3", ""},
      {"", ""},
  };
  for (const auto& [path, name] : cases)
    EXPECT_EQ(LastFolderName(QString::fromUtf8(path)), QString::fromUtf8(name)) << path;
}

TEST(TitleCaseTest, CapitalisesWordsAfterSpacesAndBrackets) {
  const std::pair<const char*, const char*> cases[] = {
      {"THE BAND (live)", "The Band (Live)"},
      {"a b", "A B"},
      {"rock-n-roll", "Rock-n-roll"},
      {"o'neil  x", "O'neil  X"},
      {"1st album", "1st Album"},
      {"", ""},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(TitleCase(QString::fromUtf8(text)), QString::fromUtf8(expected)) << text;
}

TEST(IsAllDigitsTest, AcceptsOnlyDigitsAndTheEmptyText) {
  EXPECT_TRUE(IsAllDigits(QString()));
  EXPECT_TRUE(IsAllDigits(QStringLiteral("0123456789")));
  EXPECT_FALSE(IsAllDigits(QStringLiteral("199a")));
  EXPECT_FALSE(IsAllDigits(QStringLiteral(" 1999")));
  EXPECT_FALSE(IsAllDigits(QStringLiteral("-1")));
  // Other scripts' digits are not 0 to 9.
  EXPECT_FALSE(IsAllDigits(QString::fromUtf8("\xD9\xA1\xD9\xA2")));
}

}  // namespace
}  // namespace quillora
