// File names as Linux allows them: bytes that are not UTF-8, newlines,
// quotes, leading dashes, 255 bytes, 40 folders deep. Each is listed by the
// scan with its tags read, and a commit writes the very same file, never a
// file of a mangled name beside it.
#include "CliRun.h"
#include "FaultFolder.h"
#include "LoadedFolder.h"
#include "NewVersions.h"

#include <gtest/gtest.h>

namespace quillora {

namespace {

constexpr int kTitle = 49;

QByteArray deepPath() {
  QByteArray path;
  for (int level = 1; level <= 40; ++level) path += "level " + QByteArray::number(level) + " of forty folders/";
  return path + "deep.mp3";
}

struct OddName {
  const char* label;
  QByteArray name;
};

const OddName kOddNames[] = {
    {"Latin1Byte", "caf\xE9.mp3"},
    {"BrokenSequences", "\xFF\xFE half \xC3 and \xE2\x82 end.mp3"},
    {"EncodedSurrogate", "\xED\xA0\x80 surrogate.mp3"},
    {"Overlong", "\xC0\xAF overlong.mp3"},
    {"ValidUtf8", "日本語 — ça.mp3"},
    {"FourByteUtf8", "\xF0\x9F\x8E\xB5 note.mp3"},
    {"Newline", "first line\nsecond line.mp3"},
    {"Quotes", "it's \"quoted\" `too`.mp3"},
    {"LeadingDash", "-r.mp3"},
    {"LeadingDashes", "--help.mp3"},
    {"Backslash", "back\\slash\ttab.mp3"},
    {"Longest", QByteArray(251, 'n') + ".mp3"},
    {"InFolderNotUtf8", "d\xE9j\xE0 vu/song.mp3"},
    {"Deep", deepPath()},
};

void PrintTo(const OddName& oddName, std::ostream* out) { *out << oddName.label; }

class FileNameTest : public ::testing::TestWithParam<OddName> {};

TEST_P(FileNameTest, ListedReadAndWrittenBackToTheSameFile) {
  const QByteArray& name = GetParam().name;
  const FaultFolder folder;
  folder.add("v23.mp3", name);
  const QList<QByteArray> before = folder.tree();
  {
    LoadedFolder loaded(folder.path(), true);
    ASSERT_EQ(loaded.relativeNames(), QList<QByteArray>{name});
    EXPECT_EQ(loaded.cell(0, kTitle), QStringLiteral("Привет мир")) << "the tags were not read";
  }

  const CliRun run = RunCli(QList<QByteArray>{"set", "-r", folder.path()} + GrowingAssignments(), folder.root());
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(folder.tree(), before) << "a file appeared or vanished";
  EXPECT_EQ(ReadBytes(folder.file(name)), NewVersions(GrowingAssignments()).of("v23.mp3"));

  LoadedFolder reloaded(folder.path(), true);
  ASSERT_EQ(reloaded.relativeNames(), QList<QByteArray>{name});
  EXPECT_TRUE(reloaded.cell(0, kTitle).startsWith(QStringLiteral("Grüße aus der Ferne")));
}

INSTANTIATE_TEST_SUITE_P(OddNames, FileNameTest, ::testing::ValuesIn(kOddNames),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace

}  // namespace quillora
