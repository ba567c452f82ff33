// Running quillora-cli in a child process: to completion, with its output
// kept, or in the background, to be killed.
#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

#include <sys/types.h>

namespace quillora {

struct CliRun {
  int exitCode = -1;  // -1 when it did not exit
  QByteArray out, err;
};

// Runs the tool with the arguments, its working folder `workDir` (where it
// looks for the field files). `prepare` runs in the child before the tool
// starts (limits, giving up root rights); when it returns false the child
// ends with code 127.
CliRun RunCli(const QList<QByteArray>& args, const QByteArray& workDir,
              const std::function<bool()>& prepare = {});

// Starts the tool with its output thrown away, and returns its process id.
pid_t StartCli(const QList<QByteArray>& args, const QByteArray& workDir);

// In a child process: drops every root right and becomes the "nobody"
// account. False when that fails.
bool BecomeNobody();
// Gives the files and folders to the "nobody" account.
void HandToNobody(const QList<QByteArray>& paths);

}  // namespace quillora
