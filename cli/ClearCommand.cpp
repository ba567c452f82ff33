#include "cli/CommandLine.h"
#include "cli/FolderCommands.h"
#include "cli/FolderSession.h"
#include "commands/CommitClear.h"
#include "commands/FileReport.h"

#include <algorithm>

namespace quillora::cli {

namespace {

const QString kHelp = QStringLiteral(
    "clear: removing every tag of a folder's files\n"
    "\n"
    "  quillora-cli clear [-r] FOLDER --yes\n"
    "      Loads the folder and removes every tag of every listed file, as \"Commit Clear id3\n"
    "      tag\" does. --yes answers its question; without it nothing is changed. A file that\n"
    "      cannot be cleared is named on standard error with the reason; the others are\n"
    "      still cleared.\n");

// The Tag of the window's "Commit Clear id3 tag" button.
constexpr int kClearTag = 18;

int run(const QStringList& args) {
  const CommandLine line = ParseCommandLine(args, {QStringLiteral("-r"), QStringLiteral("--yes")});
  RequireOperands(line, 1, "clear [-r] FOLDER --yes");
  FolderSession session(line.operands[0], line.has("-r"), line.has("--yes"));
  const int listed = session.ws.tracks.JvMemoryData1.rowCount();
  btnCommitClearClick(session.ws, session.host, kClearTag);
  if (!line.has("--yes") && !session.host.questions().isEmpty())
    throw UsageError(session.host.questions().last() + QStringLiteral(" Add --yes to go ahead."));
  const int exitCode = session.host.reportMessages();
  if (exitCode == 0) WriteOut(QStringLiteral("%1 cleared.\n").arg(FileCount(listed)).toUtf8());
  return std::max(exitCode, session.scanExitCode());
}

}  // namespace

CommandGroup ClearCommand() { return {QStringLiteral("clear"), kHelp, run}; }

}  // namespace quillora::cli
