#include "CliRun.h"

#include "FaultFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace quillora {

namespace {

// The child's side: output to the given files (or nowhere), then the tool.
[[noreturn]] void execCli(const QList<QByteArray>& args, const QByteArray& workDir, const QByteArray& out,
                          const QByteArray& err, const std::function<bool()>& prepare) {
  const int outFd = open(out.isEmpty() ? "/dev/null" : out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int errFd = open(err.isEmpty() ? "/dev/null" : err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (outFd < 0 || errFd < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0 || chdir(workDir.constData()) != 0)
    _exit(127);
  if (prepare && !prepare()) _exit(127);
  std::vector<char*> argv{const_cast<char*>(QUILLORA_CLI)};
  for (const QByteArray& arg : args) argv.push_back(const_cast<char*>(arg.constData()));
  argv.push_back(nullptr);
  execv(QUILLORA_CLI, argv.data());
  _exit(127);
}

}  // namespace

CliRun RunCli(const QList<QByteArray>& args, const QByteArray& workDir, const std::function<bool()>& prepare) {
  const QByteArray out = workDir + "/.cli-out", err = workDir + "/.cli-err";
  const pid_t child = fork();
  if (child == 0) execCli(args, workDir, out, err, prepare);
  CliRun run;
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) {
    ADD_FAILURE() << "cannot run quillora-cli";
    return run;
  }
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  run.out = ReadBytes(out);
  run.err = ReadBytes(err);
  unlink(out.constData());
  unlink(err.constData());
  return run;
}

pid_t StartCli(const QList<QByteArray>& args, const QByteArray& workDir) {
  const pid_t child = fork();
  if (child == 0) execCli(args, workDir, {}, {}, {});
  return child;
}

bool BecomeNobody() {
  const passwd* nobody = getpwnam("nobody");
  return nobody && setgroups(0, nullptr) == 0 && setresgid(nobody->pw_gid, nobody->pw_gid, nobody->pw_gid) == 0 &&
         setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) == 0 && geteuid() != 0;
}

void HandToNobody(const QList<QByteArray>& paths) {
  const passwd* nobody = getpwnam("nobody");
  ASSERT_NE(nobody, nullptr) << "no account nobody";
  for (const QByteArray& path : paths)
    if (lchown(path.constData(), nobody->pw_uid, nobody->pw_gid) != 0)
      ADD_FAILURE() << "cannot hand over " << path.toStdString();
}

}  // namespace quillora
