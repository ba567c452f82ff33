#include "WithoutRootRights.h"

#include <QFile>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

namespace quillora {

namespace {

void runChild(int output, uid_t uid, gid_t gid, const std::function<QString()>& work) {
  std::string text;
  if (setgroups(0, nullptr) != 0 || setresgid(gid, gid, gid) != 0 || setresuid(uid, uid, uid) != 0) {
    text = "cannot become nobody";
  } else {
    try {
      text = work().toStdString();
    } catch (const std::exception& error) {
      text = std::string("exception: ") + error.what();
    }
  }
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(output, text.data() + done, text.size() - done);
    if (n <= 0) break;
    done += size_t(n);
  }
  _exit(0);
}

}  // namespace

QString RunWithoutRootRights(const QStringList& handedOver, const std::function<QString()>& work) {
  if (geteuid() != 0) return work();
  const passwd* nobody = getpwnam("nobody");
  if (!nobody) {
    ADD_FAILURE() << "no account nobody";
    return QString();
  }
  for (const QString& path : handedOver)
    if (chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
      ADD_FAILURE() << "cannot hand over " << path.toStdString();

  int channel[2];
  if (pipe(channel) != 0) {
    ADD_FAILURE() << "no pipe";
    return QString();
  }
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    runChild(channel[1], nobody->pw_uid, nobody->pw_gid, work);
  }
  close(channel[1]);
  QByteArray text;
  char buffer[4096];
  ssize_t n;
  while ((n = read(channel[0], buffer, sizeof buffer)) > 0) text.append(buffer, n);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return QString::fromUtf8(text);
}

}  // namespace quillora
