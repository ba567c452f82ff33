// Running the built quillora-cli as a user runs it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct CliResult {
  int exitCode = -1;  // -1 when the tool did not end normally
  QByteArray out, err;
};

// Runs quillora-cli with the arguments, in workingDirectory when given;
// `asUser` is a command that runs the rest as another user (setpriv ...).
CliResult RunCli(const QStringList& args, const QString& workingDirectory = QString(),
                 const QStringList& asUser = {});
