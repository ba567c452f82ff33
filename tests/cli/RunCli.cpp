#include "RunCli.h"

#include <QProcess>

CliResult RunCli(const QStringList& args, const QString& workingDirectory, const QStringList& asUser) {
  QProcess process;
  if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
  const QString cli = QStringLiteral(QUILLORA_CLI);
  if (asUser.isEmpty())
    process.start(cli, args);
  else
    process.start(asUser.first(), asUser.mid(1) + QStringList{cli} + args);
  process.waitForFinished(-1);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput(), process.readAllStandardError()};
}
