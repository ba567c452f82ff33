#include "app/IniFile.h"
#include "fields/Error.h"
#include "tests/dialogs/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace quillora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class IniFileTest : public ::testing::Test {
 protected:
  QString file(const QString& name = QStringLiteral("test.ini")) const { return dir_.filePath(name); }
  IniDocument loaded(const QByteArray& bytes) {
    WriteBytes(file(), bytes);
    IniDocument ini;
    EXPECT_TRUE(ini.load(file()));
    return ini;
  }

  QTemporaryDir dir_;
};

struct ReadCase {
  const char* name;
  QByteArray file;
  QString section;
  QString key;
  std::optional<QString> expected;
};

TEST_F(IniFileTest, ReadsKeysAsTheProfileFunctionsDo) {
  const ReadCase cases[] = {
      {"names ignore case", "[Config]\r\nExceptions=a\r\n", "CONFIG", "EXCEPTIONS", "a"},
      {"value and name trimmed", "[S]\r\n  K  =  v w \t\r\n", "S", "K", "v w"},
      {"section name trimmed", "[ S ]\r\nK=v\r\n", "S", "K", "v"},
      {"double quotes dropped", "[S]\r\nK=\"a b\"\r\n", "S", "K", "a b"},
      {"single quotes dropped", "[S]\r\nK='a'\r\n", "S", "K", "a"},
      {"unmatched quote kept", "[S]\r\nK=\"a\r\n", "S", "K", "\"a"},
      {"empty value is present", "[S]\r\nK=\r\n", "S", "K", ""},
      {"line without = is an empty key", "[S]\r\nK\r\n", "S", "K", ""},
      {"value keeps later =", "[S]\r\nK=a=b\r\n", "S", "K", "a=b"},
      {"first of two keys", "[S]\r\nK=1\r\nK=2\r\n", "S", "K", "1"},
      {"first of two sections", "[S]\r\nK=1\r\n[S]\r\nK=2\r\n", "S", "K", "1"},
      {"missing key", "[S]\r\nL=1\r\n", "S", "K", std::nullopt},
      {"key of another section", "[T]\r\nK=1\r\n[S]\r\n", "S", "K", std::nullopt},
      {"missing section", "[T]\r\nK=1\r\n", "S", "K", std::nullopt},
      {"key before any section", "K=1\r\n[S]\r\n", "S", "K", std::nullopt},
      {"comment is no key", "[S]\r\n;K=1\r\n", "S", "K", std::nullopt},
      {"LF line ends", "[S]\nA=1\nK=2\n", "S", "K", "2"},
      {"CR line ends", "[S]\rA=1\rK=2\r", "S", "K", "2"},
      {"no final line end", "[S]\r\nK=2", "S", "K", "2"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(loaded(c.file).value(c.section, c.key), c.expected);
  }
}

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndDefaultsApply) {
  IniDocument ini;
  ASSERT_TRUE(ini.load(file(QStringLiteral("absent.ini"))));
  EXPECT_EQ(ini.readString("S", "K", "fallback"), "fallback");
  EXPECT_EQ(ini.text(), QString());
}

struct WriteCase {
  const char* name;
  QByteArray before;
  QString section;
  QString key;
  QString value;
  QByteArray after;
};

TEST_F(IniFileTest, WritesKeysInPlaceOrAtTheEndOfTheirSection) {
  const WriteCase cases[] = {
      {"updated in place, the rest kept",
       "; settings\r\n[Other]\r\nX=1\r\n[S]\r\nA=1\r\nk = old\r\nB=2\r\n",
       "s", "K", "new",
       "; settings\r\n[Other]\r\nX=1\r\n[S]\r\nA=1\r\nk=new\r\nB=2\r\n"},
      {"added after the section's last key",
       "[S]\r\nA=1\r\n\r\n; next\r\n[T]\r\nB=2\r\n", "S", "K", "v",
       "[S]\r\nA=1\r\nK=v\r\n\r\n; next\r\n[T]\r\nB=2\r\n"},
      {"added under an empty section", "[S]\r\n[T]\r\n", "S", "K", "v",
       "[S]\r\nK=v\r\n[T]\r\n"},
      {"new section at the end", "[T]\r\nB=2\r\n", "S", "K", "v",
       "[T]\r\nB=2\r\n[S]\r\nK=v\r\n"},
      {"last line ended first", "[T]\r\nB=2", "S", "K", "v",
       "[T]\r\nB=2\r\n[S]\r\nK=v\r\n"},
      {"LF file stays LF", "[S]\nA=1\n", "S", "K", "v", "[S]\nA=1\nK=v\n"},
      {"CR file stays CR", "[S]\rA=1\r", "T", "K", "v", "[S]\rA=1\r[T]\rK=v\r"},
      {"mixed line ends kept", "[S]\r\nA=1\nB=2\r\n", "S", "A", "9", "[S]\r\nA=9\nB=2\r\n"},
      {"empty value written", "[S]\r\nK=1\r\n", "S", "K", "", "[S]\r\nK=\r\n"},
      {"line breaks in a value cannot add lines", "", "S", "K", "a\n[T]\r\nB=1",
       "[S]\r\nK=a [T]  B=1\r\n"},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    IniDocument ini = loaded(c.before);
    ini.writeString(c.section, c.key, c.value);
    ini.save(file());
    EXPECT_EQ(ReadBytes(file()), c.after);
  }
}

TEST_F(IniFileTest, NewFileIsUtf8WithCrLf) {
  IniDocument ini;
  ASSERT_TRUE(ini.load(file(QStringLiteral("new.ini"))));
  ini.writeString("S", "K", QStringLiteral("\u05D0\u00FC"));
  ini.save(file(QStringLiteral("new.ini")));
  EXPECT_EQ(ReadBytes(file(QStringLiteral("new.ini"))), QByteArray("[S]\r\nK=\xD7\x90\xC3\xBC\r\n"));
}

struct EncodingCase {
  const char* name;
  QByteArray before;
  QByteArray after;  // after K=ü is written
};

TEST_F(IniFileTest, KeepsTheFileEncoding) {
  const EncodingCase cases[] = {
      {"UTF-8", "[S]\r\nA=\xC3\xA9\r\n", "[S]\r\nA=\xC3\xA9\r\nK=\xC3\xBC\r\n"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF[S]\r\n", "\xEF\xBB\xBF[S]\r\nK=\xC3\xBC\r\n"},
      {"UTF-16 LE", QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0", 12),
       QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0\xFC\0\r\0\n\0", 22)},
      {"UTF-16 BE", QByteArray("\xFE\xFF\0[\0S\0]\0\r\0\n", 12),
       QByteArray("\xFE\xFF\0[\0S\0]\0\r\0\n\0K\0=\0\xFC\0\r\0\n", 22)},
      {"Windows-1252", "[S]\r\nA=caf\xE9\r\n", "[S]\r\nA=caf\xE9\r\nK=\xFC\r\n"},
  };
  for (const EncodingCase& c : cases) {
    SCOPED_TRACE(c.name);
    IniDocument ini = loaded(c.before);
    ini.writeString("S", "K", QStringLiteral("\u00FC"));
    ini.save(file());
    EXPECT_EQ(ReadBytes(file()), c.after);
    IniDocument again = loaded(ReadBytes(file()));
    EXPECT_EQ(again.value("S", "K"), QStringLiteral("\u00FC"));
  }
}

TEST_F(IniFileTest, Windows1252FileTakesUtf8RatherThanLosingText) {
  IniDocument ini = loaded("[S]\r\nA=caf\xE9\r\n");
  ini.writeString("S", "K", QStringLiteral("\u05D0"));
  ini.save(file());
  EXPECT_EQ(ReadBytes(file()), QByteArray("[S]\r\nA=caf\xC3\xA9\r\nK=\xD7\x90\r\n"));
}

TEST_F(IniFileTest, SaveFailureNamesTheFile) {
  const QString blocked = file(QStringLiteral("blocked.ini"));
  ASSERT_TRUE(QDir().mkdir(blocked));
  IniDocument ini;
  ini.writeString("S", "K", "v");
  try {
    ini.save(blocked);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.message(), "Unable to write to " + blocked);
  }
}

TEST_F(IniFileTest, UnreadableFileIsReported) {
  const QString folder = file(QStringLiteral("folder.ini"));
  ASSERT_TRUE(QDir().mkdir(folder));
  IniDocument ini;
  EXPECT_FALSE(ini.load(folder));
}

}  // namespace
}  // namespace quillora
