#include "NewVersions.h"

#include "CliRun.h"
#include "FaultFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace quillora {

const QList<const char*>& MixedFixtures() {
  static const QList<const char*> fixtures{"v23.mp3",    "v24.mp3",    "tagged.flac", "tagged.ogg",
                                           "tagged.m4a", "tagged.wma", "tagged.wav",  "tagged.ape"};
  return fixtures;
}

QList<QByteArray> GrowingAssignments() {
  const QByteArray words = QByteArray("Grüße aus der Ferne, ").repeated(24).left(480);
  return {"Title=" + words, "Album=" + words, "Comment=" + words};
}

NewVersions::NewVersions(const QList<QByteArray>& assignments) {
  const FaultFolder folder;
  for (const char* fixture : MixedFixtures()) folder.add(fixture, fixture);
  const CliRun run = RunCli(QList<QByteArray>{"set", folder.path()} + assignments, folder.root());
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  for (const char* fixture : MixedFixtures()) versions_.insert(fixture, ReadBytes(folder.file(fixture)));
}

QByteArray AudioDigest(const QByteArray& path) {
  if (path.endsWith(".ape")) {
    const QByteArray bytes = ReadBytes(path);
    return bytes.left(bytes.indexOf("APETAGEX"));
  }
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"),
                                          QString::fromUtf8(path), QStringLiteral("-map"), QStringLiteral("0:a"),
                                          QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-f"),
                                          QStringLiteral("md5"), QStringLiteral("-")});
  ffmpeg.waitForFinished(-1);
  const QByteArray digest = ffmpeg.readAllStandardOutput().trimmed();
  EXPECT_TRUE(digest.startsWith("MD5=")) << path.toStdString() << ": " << ffmpeg.readAllStandardError().toStdString();
  return digest;
}

}  // namespace quillora
