// quillora-cli killed with SIGKILL at a random moment of a commit that grows
// every file's tag, many times over. After each kill every file is wholly
// its old bytes or wholly the new version, the scan lists none of the
// working copies left behind, and a later complete commit removes them.
//
// ./test.sh runs a few trials; a long series by hand:
//   QUILLORA_KILL_TRIALS=300 test_fault --gtest_filter='Kill*'
// QUILLORA_KILL_SEED repeats a series whose seed a failure printed.
#include "CliRun.h"
#include "FaultFolder.h"
#include "NewVersions.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <thread>

#include <sys/wait.h>

namespace quillora {

namespace {

constexpr int kCopiesOfEachFixture = 13;  // 8 formats: 104 files

int fromEnvironment(const char* name, int fallback) {
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? fallback : value.toInt();
}

class KillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int copy = 0; copy < kCopiesOfEachFixture; ++copy)
      for (const char* fixture : MixedFixtures()) {
        const QByteArray name = QByteArray::number(copy) + ' ' + fixture;
        folder_.add(fixture, name);
        names_ << name;
        fixtureOf_.insert(name, fixture);
      }
  }

  QList<QByteArray> setArguments() const { return QList<QByteArray>{"set", folder_.path()} + GrowingAssignments(); }

  // Old and new count each file in its state; fails on a file that is
  // neither.
  void checkEveryFileOldOrNew(int& oldFiles, int& newFiles) const {
    oldFiles = newFiles = 0;
    for (const QByteArray& name : names_) {
      const QByteArray bytes = ReadBytes(folder_.file(name));
      const char* fixture = fixtureOf_.value(name);
      if (bytes == FixtureBytes(fixture))
        ++oldFiles;
      else if (bytes == versions_.of(fixture))
        ++newFiles;
      else
        ADD_FAILURE() << name.toStdString() << " is neither its old bytes nor the new version";
    }
  }

  // The files the scan lists, as `quillora-cli list --json` prints them.
  QList<QByteArray> listed() const {
    const CliRun run = RunCli({"list", "--json", folder_.path()}, folder_.root());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QList<QByteArray> names;
    for (const QJsonValue& row : QJsonDocument::fromJson(run.out).array())
      names << row.toObject().value(QStringLiteral("FileName")).toString().toUtf8();
    std::sort(names.begin(), names.end());
    return names;
  }

  int workingCopies() const {
    int count = 0;
    for (const QByteArray& name : folder_.tree()) count += name.contains(".quillora-tmp-");
    return count;
  }

  void restoreOldFiles() const {
    for (const QByteArray& name : names_) {
      const QByteArray old = FixtureBytes(fixtureOf_.value(name));
      if (ReadBytes(folder_.file(name)) != old) WriteBytes(folder_.file(name), old);
    }
  }

  FaultFolder folder_;
  QList<QByteArray> names_;
  QMap<QByteArray, const char*> fixtureOf_;
  NewVersions versions_{GrowingAssignments()};
};

TEST_F(KillTest, NewVersionsChangeTheTagAndKeepTheAudio) {
  const FaultFolder scratch;
  for (const char* fixture : MixedFixtures()) {
    SCOPED_TRACE(fixture);
    const QByteArray after = versions_.of(fixture);
    ASSERT_GT(after.size(), FixtureBytes(fixture).size() + 400) << "the tag did not grow";
    const QByteArray oldName = QByteArray("old ") + fixture, newName = QByteArray("new ") + fixture;
    scratch.add(fixture, oldName);
    WriteBytes(scratch.file(newName), after);
    EXPECT_EQ(AudioDigest(scratch.file(newName)), AudioDigest(scratch.file(oldName)));
  }
}

TEST_F(KillTest, EveryFileIsWhollyOldOrWhollyNewAfterEachKill) {
  const int trials = fromEnvironment("QUILLORA_KILL_TRIALS", 10);
  const auto seed = unsigned(fromEnvironment("QUILLORA_KILL_SEED", int(std::random_device{}() & 0x7FFFFFFF)));
  SCOPED_TRACE("QUILLORA_KILL_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);

  // One undisturbed run gives the range the kills fall in.
  QElapsedTimer timer;
  timer.start();
  ASSERT_EQ(RunCli(setArguments(), folder_.root()).exitCode, 0);
  const qint64 runNanoseconds = timer.nsecsElapsed();
  restoreOldFiles();

  const QList<QByteArray> expectedList = [&] {
    QList<QByteArray> sorted = names_;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
  }();
  std::uniform_int_distribution<qint64> delay(0, runNanoseconds * 11 / 10);
  int midCommit = 0, leftCopies = 0;
  for (int trial = 0; trial < trials; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    const pid_t cli = StartCli(setArguments(), folder_.root());
    ASSERT_GT(cli, 0);
    std::this_thread::sleep_for(std::chrono::nanoseconds(delay(random)));
    kill(cli, SIGKILL);
    waitpid(cli, nullptr, 0);

    int oldFiles = 0, newFiles = 0;
    checkEveryFileOldOrNew(oldFiles, newFiles);
    midCommit += oldFiles > 0 && newFiles > 0;
    const int copies = workingCopies();
    leftCopies += copies > 0;
    if (copies > 0) {
      EXPECT_EQ(listed(), expectedList) << "a working copy is listed";
    }
    if (HasFailure()) return;
    restoreOldFiles();
  }
  std::printf("%d kills: %d in the middle of the commit, %d left a working copy\n", trials, midCommit, leftCopies);

  // The working copies of the killed runs go at the next complete commit.
  ASSERT_EQ(RunCli(setArguments(), folder_.root()).exitCode, 0);
  int oldFiles = 0, newFiles = 0;
  checkEveryFileOldOrNew(oldFiles, newFiles);
  EXPECT_EQ(newFiles, int(names_.size()));
  EXPECT_EQ(workingCopies(), 0);
  EXPECT_EQ(folder_.tree(), expectedList);
}

}  // namespace

}  // namespace quillora
