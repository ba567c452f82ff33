#include "cli/CommandLine.h"
#include "cli/FolderCommands.h"
#include "fields/TableTsv.h"

namespace quillora::cli {

namespace {

const QString kHelp = QStringLiteral(
    "split-name: reading artist, year and album out of a folder name\n"
    "\n"
    "  quillora-cli split-name TEXT\n"
    "      Prints the artist, year and album that \"Suggest From Folder\" reads out of a folder\n"
    "      named TEXT, such as \"Some Band - 1999 - First Album\", as one TSV line. No file is\n"
    "      read or changed.\n");

int run(const QStringList& args) {
  const CommandLine line = ParseCommandLine(args, {});
  RequireOperands(line, 1, "split-name TEXT");
  WriteOut(FolderNameLine(SplitFolderName(line.operands[0])));
  return 0;
}

}  // namespace

CommandGroup SplitNameCommand() { return {QStringLiteral("split-name"), kHelp, run}; }

QByteArray FolderNameLine(const FolderNameParts& parts) {
  const QStringList fields{EscapeTsvText(parts.artist), EscapeTsvText(parts.year),
                           EscapeTsvText(parts.album)};
  return (fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8();
}

}  // namespace quillora::cli
