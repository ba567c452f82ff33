// A save that cannot be done safely fails with a reason and leaves the
// original byte for byte; one that can replaces the file as a whole, keeping
// links, permission bits and the folder free of working copies.
#include "EngineTestSupport.h"
#include "Families.h"

#include <gtest/gtest.h>

#include <taglib/tag.h>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>

namespace quillora::test {
namespace {

constexpr uid_t kNobody = 65534;

std::string randomBytes(size_t size, unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator());
  return bytes;
}

// Runs the save as the user nobody in a child process: the result and reason.
std::pair<int16_t, std::string> saveAsNobody(int16_t (*save)()) {
  int channel[2];
  if (pipe(channel) != 0) return {1, "no pipe"};
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    std::string report = "1 could not become nobody";
    if (setresgid(kNobody, kNobody, kNobody) == 0 && setresuid(kNobody, kNobody, kNobody) == 0) {
      const int16_t result = save();
      report = std::to_string(result) + " " + lastError();
    }
    (void)!write(channel[1], report.data(), report.size());
    _exit(0);
  }
  close(channel[1]);
  std::string report;
  char buffer[256];
  for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, got);
  close(channel[0]);
  waitpid(child, nullptr, 0);
  const auto space = report.find(' ');
  return {static_cast<int16_t>(std::stoi(report.substr(0, space))), report.substr(space + 1)};
}

struct RefusedCase {
  std::string name, family, fixture, as;
  std::function<void(const TempDir& dir, const std::string& path)> afterAnalyse;
  std::string reason;
  bool asNobody = false;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << c.name;
}

const std::vector<RefusedCase> kRefusedCases{
    {"OwnerHasNoWriteBit", "MPEG", "v24.mp3", "",
     [](const TempDir&, const std::string& path) { chmod(path.c_str(), 0444); }, "Permission denied"},
    {"UserMayNotWriteThoughTheFolderAllowsRenaming", "MPEG", "v24.mp3", "",
     [](const TempDir& dir, const std::string& path) {
       chmod(dir.path().c_str(), 0777);
       chmod(path.c_str(), 0644);
     },
     "Permission denied", true},
    {"RemovedAfterAnalysing", "FLAC", "tagged.flac", "",
     [](const TempDir&, const std::string& path) { unlink(path.c_str()); }, "The file no longer exists"},
    {"GarbageAfterAnalysing", "MPEG", "v23.mp3", "",
     [](const TempDir&, const std::string& path) { writeBytes(path, randomBytes(4000, 7)); }, "Not a valid MPEG file"},
    {"MpegVideo", "MPEG", "video.mpg", "", nullptr, "Not a valid MPEG file"},
    {"RandomBytesNamedMp3", "MPEG", "", "noise.mp3", nullptr, "Not a valid MPEG file"},
    {"Mp3BytesNamedFlac", "FLAC", "v24.mp3", "song.flac", nullptr, "Not a valid FLAC file"},
    {"FlacBytesNamedWav", "WAV", "tagged.flac", "song.wav", nullptr, "Not a valid WAV file"},
};

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, TheSaveFailsWithAReasonAndTheFileStaysAsItWas) {
  const RefusedCase& c = GetParam();
  if (c.asNobody && geteuid() != 0) GTEST_SKIP() << "only root can become another user";
  const Family& f = family(c.family);
  TempDir dir;
  std::string path;
  if (c.fixture.empty()) {
    path = dir.file(c.as);
    writeBytes(path, randomBytes(3000, 11));
  } else {
    path = dir.copy(c.fixture, c.as);
  }
  analyze(path);
  f.set(f.keys.front(), u16("Не записано"));
  if (c.afterAnalyse) c.afterAnalyse(dir, path);
  const std::string bytes = readBytes(path);
  const std::string files = listing(dir.path());

  std::pair<int16_t, std::string> outcome;
  if (c.asNobody) {
    outcome = saveAsNobody(f.save);
  } else {
    outcome.first = f.save();
    outcome.second = lastError();
  }
  const auto& [result, reason] = outcome;
  EXPECT_EQ(result, 0);
  EXPECT_EQ(reason, c.reason);
  EXPECT_EQ(readBytes(path), bytes);
  EXPECT_EQ(listing(dir.path()), files) << "a working copy was left behind";
}

INSTANTIATE_TEST_SUITE_P(Engine, Refused, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return info.param.name; });

TEST(SafeSave, ASymbolicLinkStaysALinkAndItsTargetIsReplaced) {
  TempDir dir;
  const std::string target = dir.copy("v24.mp3", "real.mp3");
  const std::string link = dir.file("link.mp3");
  ASSERT_EQ(symlink("real.mp3", link.c_str()), 0);
  ASSERT_TRUE(analyze(link));
  ID3V2SetTextFrameW(frameId("TIT2"), u16("Через ссылку").c_str());
  ASSERT_EQ(ID3V2SaveChangesW(), -1) << lastError();

  struct stat info {};
  ASSERT_EQ(lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(tagOf(target, &TagLib::Tag::title), "Через ссылку");
  EXPECT_EQ(listing(dir.path()), "link.mp3\nreal.mp3\n");
}

TEST(SafeSave, TheReplacedFileKeepsItsPermissionBits) {
  TempDir dir;
  const std::string path = dir.copy("v24.mp3");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(analyze(path));
  ID3V2SetTextFrameW(frameId("TIT2"), u16("Permissions").c_str());
  ASSERT_EQ(ID3V2SaveChangesW(), -1) << lastError();
  EXPECT_EQ(statOf(path).st_mode & 07777, 0640U);
  EXPECT_EQ(tagOf(path, &TagLib::Tag::title), "Permissions");
  EXPECT_EQ(listing(dir.path()), "v24.mp3\n");
}

TEST(SafeSave, WorkingCopiesOfProcessesThatAreGoneAreRemovedAtTheNextSave) {
  TempDir dir;
  const std::string path = dir.copy("v24.mp3");
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  const std::string stale = ".old.mp3.quillora-tmp-" + std::to_string(gone) + "-a1B2c3";
  const std::string running = ".old.mp3.quillora-tmp-1-a1B2c3";  // pid 1 always runs
  writeBytes(dir.file(stale), "left by a killed save");
  writeBytes(dir.file(running), "in use by another program");

  ASSERT_TRUE(analyze(path));
  ID3V2SetTextFrameW(frameId("TIT2"), u16("Cleaned").c_str());
  ASSERT_EQ(ID3V2SaveChangesW(), -1) << lastError();
  EXPECT_EQ(listing(dir.path()), running + "\nv24.mp3\n");
}

TEST(SafeSave, AValueTheFormatCannotHoldFailsTheSave) {
  TempDir dir;
  const std::string path = dir.copy("tagged.m4a");
  const std::string bytes = readBytes(path);
  ASSERT_TRUE(analyze(path));
  MP4SetTextFrameW(frameId("trkn"), u16("five of twelve").c_str());
  EXPECT_EQ(MP4SaveChangesW(), 0);
  EXPECT_NE(lastError().find("five of twelve"), std::string::npos) << lastError();
  EXPECT_EQ(readBytes(path), bytes);
}

TEST(SafeSave, TheLastErrorIsEmptyAfterASuccess) {
  TempDir dir;
  const std::string path = dir.copy("v24.mp3");
  ASSERT_TRUE(analyze(dir.file("missing.mp3")) == false);
  EXPECT_EQ(ID3V2SaveChangesW(), 0);
  EXPECT_FALSE(lastError().empty());
  ASSERT_TRUE(analyze(path));
  ID3V2SetTextFrameW(frameId("TALB"), u16("Album").c_str());
  EXPECT_EQ(ID3V2SaveChangesW(), -1);
  EXPECT_EQ(lastError(), "");
}

}  // namespace
}  // namespace quillora::test
