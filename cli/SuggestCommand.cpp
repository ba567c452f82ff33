#include "cli/CommandLine.h"
#include "cli/FolderCommands.h"
#include "cli/FolderSession.h"
#include "commands/SuggestFromFolder.h"

namespace quillora::cli {

namespace {

const QString kHelp = QStringLiteral(
    "suggest: what \"Suggest From Folder\" offers for a folder\n"
    "\n"
    "  quillora-cli suggest FOLDER\n"
    "      Loads the folder and prints the artist, year and album that \"Suggest From Folder\"\n"
    "      reads out of the name of the folder holding its files, as one TSV line. A folder\n"
    "      that lists no file has no suggestion (\"No directories\", exit code 1).\n");

int run(const QStringList& args) {
  const CommandLine line = ParseCommandLine(args, {});
  RequireOperands(line, 1, "suggest FOLDER");
  FolderSession session(line.operands[0], false);
  const auto parts = FolderSuggestion(session.ws, session.host);
  if (!parts) throw Error(QStringLiteral("%1: No directories").arg(session.host.folder()));
  WriteOut(FolderNameLine(*parts));
  return session.scanExitCode();
}

}  // namespace

CommandGroup SuggestCommand() { return {QStringLiteral("suggest"), kHelp, run}; }

}  // namespace quillora::cli
