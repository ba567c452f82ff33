// The integer syntax of frame identifiers and item numbers.
#include "fields/Error.h"
#include "tags/IntegerText.h"
#include "tests/tags/TagsFixture.h"

#include <optional>

namespace quillora {
namespace {

struct IntegerCase {
  const char16_t* text;
  std::optional<int32_t> value;  // nothing: the text is not an integer
};

void expectCases(const std::vector<IntegerCase>& cases, int32_t (*read)(const QString&)) {
  for (const IntegerCase& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    SCOPED_TRACE(text.toStdString());
    if (c.value) {
      EXPECT_EQ(read(text), *c.value);
    } else {
      try {
        read(text);
        ADD_FAILURE() << "no error";
      } catch (const Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("''%1'' is not a valid integer value").arg(text));
      }
    }
  }
}

TEST(FrameIdentifier, ReadsDecimalAndEveryHexadecimalPrefixAsTheLow32Bits) {
  const int32_t talb = 0x54414C42;
  expectCases(
      {
          {u"1413565506", talb},
          {u"$54414C42", talb},
          {u"x54414C42", talb},
          {u"X54414c42", talb},
          {u"0x54414C42", talb},
          {u"0X54414C42", talb},
          {u"0001413565506", talb},
          {u"$A9616C62", -1453233054},
          {u"2841734242", -1453233054},
          {u"+$10", 16},
          {u"-$10", -16},
          {u"-1", -1},
          {u"4294967296", 0},
          {u"4294967297", 1},
          {u"$1FFFFFFFF", -1},
          {u"9223372036854775807", -1},
          {u"-9223372036854775808", 0},
          {u"$FFFFFFFFFFFFFFFF", -1},
          {u"9223372036854775808", std::nullopt},
          {u"$10000000000000000", std::nullopt},
          {u"TALB", std::nullopt},
          {u"12a", std::nullopt},
          {u"12 ", std::nullopt},
          {u"1 2", std::nullopt},
          {u"1e3", std::nullopt},
          {u"$", std::nullopt},
          {u"0x", std::nullopt},
          {u"-", std::nullopt},
          {u"--5", std::nullopt},
          {u"0x-5", std::nullopt},
          {u"$G", std::nullopt},
          {u"\u0663", std::nullopt},  // ARABIC-INDIC DIGIT THREE
          {u"\uFF11", std::nullopt},  // FULLWIDTH DIGIT ONE
      },
      FrameIdentifier);
}

TEST(ItemNumber, IsA32BitIntegerAfterLeadingBlanks) {
  expectCases(
      {
          {u"7", 7},
          {u"  7", 7},
          {u"\t$1F", 31},
          {u"2147483647", 2147483647},
          {u"-2147483648", INT32_MIN},
          {u"$FFFFFFFF", -1},
          {u"2147483648", std::nullopt},
          {u"$100000000", std::nullopt},
          {u"7 ", std::nullopt},
          {u"seven", std::nullopt},
      },
      StrToInt);
}

TEST(TrimBlanks, RemovesBlanksAndControlCharactersAtBothEndsOnly) {
  EXPECT_EQ(TrimBlanks(QStringLiteral("\t\r\n \x01WM/Album Title\x1f ")), QStringLiteral("WM/Album Title"));
  // A no-break space is not a blank.
  EXPECT_EQ(TrimBlanks(QStringLiteral("\u00A0TALB")), QStringLiteral("\u00A0TALB"));
  EXPECT_EQ(TrimBlanks(QStringLiteral(" \t ")), QString());
}

}  // namespace
}  // namespace quillora
