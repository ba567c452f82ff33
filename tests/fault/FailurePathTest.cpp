// Saves that fail for real: the file-size limit or the disk reached in the
// middle of a save, a read-only file, a file gone between the scan and the
// commit, a folder that cannot be read inside a recursive scan. Each time
// the refused file keeps its bytes, the user is told which file and why,
// and every other file is written.
#include "CliRun.h"
#include "FaultFolder.h"
#include "LoadedFolder.h"
#include "NewVersions.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillora {

namespace {

constexpr int kTitle = 49;  // every fixture has a title, so its column is linked for each

// A plain PCM WAV file without tags, of `dataBytes` bytes of silence.
QByteArray silentWav(quint32 dataBytes) {
  auto le32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
  auto le16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
  return "RIFF" + le32(36 + dataBytes) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
         le32(16000) + le16(2) + le16(16) + "data" + le32(dataBytes) + QByteArray(int(dataBytes), '\0');
}

class FailurePathTest : public ::testing::Test {
 protected:
  // One file of each fixture, named after it, beside the file to refuse.
  void addMixedFiles(const QByteArray& subfolder = {}) {
    for (const char* fixture : MixedFixtures()) {
      folder_.add(fixture, subfolder + fixture);
      written_ << subfolder + fixture;
    }
  }

  CliRun set(const std::function<bool()>& prepare = {}, const char* recursive = nullptr) const {
    QList<QByteArray> args{"set"};
    if (recursive) args << recursive;
    return RunCli(args + QList<QByteArray>{folder_.path()} + GrowingAssignments(), folder_.root(), prepare);
  }

  // Every other file is the new version, nothing of the save is left, and
  // the tool ended with failure.
  void expectOthersWritten(const CliRun& run) const {
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    for (const QByteArray& name : written_) {
      const QByteArray fixture = name.mid(name.lastIndexOf('/') + 1);
      EXPECT_EQ(ReadBytes(folder_.file(name)), versions_.of(fixture.constData())) << name.toStdString() << " was not written";
    }
    for (const QByteArray& name : folder_.tree())
      EXPECT_FALSE(name.contains(".quillora-tmp-")) << "left behind: " << name.toStdString();
  }

  // The refused file is intact and named, with the reason, on standard error.
  void expectRefused(const CliRun& run, const QByteArray& name, const QByteArray& before,
                     const QByteArray& reason) const {
    EXPECT_EQ(ReadBytes(folder_.file(name)), before) << name.toStdString() << " was changed";
    EXPECT_TRUE(run.err.contains(name + ": ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(reason)) << run.err.toStdString();
  }

  FaultFolder folder_;
  QList<QByteArray> written_;
  NewVersions versions_{GrowingAssignments()};
};

TEST_F(FailurePathTest, FileSizeLimitReachedInTheMiddleOfASave) {
  addMixedFiles();
  const QByteArray big = silentWav(64 * 1024);
  WriteBytes(folder_.file("big.wav"), big);
  // Room for every small file's copy and for the big file's bytes, not for
  // its grown tag: the limit strikes while the copy is written.
  const rlim_t limit = rlim_t(big.size() + 256);
  const CliRun run = set([limit] {
    const rlimit size{limit, limit};
    return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &size) == 0;
  });
  expectRefused(run, "big.wav", big, "could not be written");
  expectOthersWritten(run);
}

TEST_F(FailurePathTest, DiskFullInTheMiddleOfASave) {
  const QByteArray options = "size=" + QByteArray::number(320 * 1024);
  if (mount("tmpfs", folder_.path().constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0)
    GTEST_SKIP() << "no tmpfs can be mounted here (" << std::strerror(errno) << ")";
  struct Unmount {
    QByteArray path;
    ~Unmount() { umount2(path.constData(), MNT_DETACH); }
  } unmount{folder_.path()};
  addMixedFiles();
  // The big file fits once, not twice: its working copy fills the disk.
  const QByteArray big = silentWav(200 * 1024);
  WriteBytes(folder_.file("big.wav"), big);
  const CliRun run = set();
  expectRefused(run, "big.wav", big, "No space left on device");
  expectOthersWritten(run);
}

// Root too is refused a file whose permission bits forbid writing; as an
// ordinary user the system refuses it as well.
class ReadOnlyFileTest : public FailurePathTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ReadOnlyFileTest, ReadOnlyFileStaysAsItIs) {
  const bool asNobody = GetParam();
  addMixedFiles();
  folder_.add("v23.mp3", "locked.mp3");
  const QByteArray before = ReadBytes(folder_.file("locked.mp3"));
  chmod(folder_.file("locked.mp3").constData(), 0444);
  if (asNobody) {
    QList<QByteArray> everything{folder_.path()};
    for (const QByteArray& name : folder_.tree()) everything << folder_.file(name);
    HandToNobody(everything);
  }
  const CliRun run = set(asNobody ? std::function<bool()>(BecomeNobody) : std::function<bool()>());
  expectRefused(run, "locked.mp3", before, "Permission denied");
  expectOthersWritten(run);
}

INSTANTIATE_TEST_SUITE_P(AsRootAndAsNobody, ReadOnlyFileTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AsNobody" : "AsRoot"; });

TEST_F(FailurePathTest, UnreadableFolderInARecursiveScanIsReportedAndSkipped) {
  addMixedFiles();
  addMixedFiles("open/");
  folder_.add("v24.mp3", "closed/hidden.mp3");
  const QByteArray hidden = ReadBytes(folder_.file("closed/hidden.mp3"));
  QList<QByteArray> everything{folder_.path()};
  for (const QByteArray& name : folder_.tree()) everything << folder_.file(name);
  HandToNobody(everything);
  chmod(folder_.file("closed").constData(), 0);
  const CliRun run = set(BecomeNobody, "-r");
  chmod(folder_.file("closed").constData(), 0755);
  EXPECT_TRUE(run.err.contains("1 folder could not be read")) << run.err.toStdString();
  EXPECT_EQ(ReadBytes(folder_.file("closed/hidden.mp3")), hidden);
  expectOthersWritten(run);
}

// Between the scan and the commit one file is deleted and another replaced
// by a different recording (renamed over it, as a download or another tag
// editor does). The deleted file is named as gone; the replacement is named
// as changed and keeps its bytes, since the grid never showed its tags;
// every other file is written.
TEST_F(FailurePathTest, FileDeletedOrReplacedBetweenScanAndCommit) {
  addMixedFiles();
  folder_.add("v23.mp3", "gone.mp3");
  folder_.add("v23.mp3", "swapped.mp3");
  LoadedFolder loaded(folder_.path(), false);
  const QList<QByteArray> names = loaded.relativeNames();
  ASSERT_EQ(names.size(), written_.size() + 2);
  for (int row = 0; row < names.size(); ++row) loaded.setCell(row, kTitle, QStringLiteral("Changed"));

  ASSERT_EQ(unlink(folder_.file("gone.mp3").constData()), 0);
  folder_.add("v24.mp3", "swapped.new");
  ASSERT_EQ(rename(folder_.file("swapped.new").constData(), folder_.file("swapped.mp3").constData()), 0);
  const QString message = loaded.commit();

  EXPECT_TRUE(message.contains(QStringLiteral("gone.mp3: The file no longer exists"))) << message.toStdString();
  EXPECT_EQ(folder_.tree().count("gone.mp3"), 0) << "the deleted file came back";
  EXPECT_TRUE(message.contains(QStringLiteral("swapped.mp3: The file was replaced or changed")))
      << message.toStdString();
  EXPECT_EQ(ReadBytes(folder_.file("swapped.mp3")), FixtureBytes("v24.mp3"));
  for (const QByteArray& name : written_)
    EXPECT_NE(ReadBytes(folder_.file(name)), FixtureBytes(name.constData())) << name.toStdString() << " was not written";
}

}  // namespace

}  // namespace quillora
