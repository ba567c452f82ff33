#include "cli/CommandLine.h"

#include "cli/CommandGroup.h"

namespace quillora::cli {

CommandLine ParseCommandLine(const QStringList& args, const QStringList& known) {
  CommandLine line;
  bool optionsEnded = false;
  for (const QString& arg : args) {
    if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
      line.operands << arg;
    } else if (arg == QLatin1String("--")) {
      optionsEnded = true;
    } else if (known.contains(arg)) {
      line.options.insert(arg);
    } else {
      throw UsageError(QStringLiteral("unknown option %1").arg(arg));
    }
  }
  return line;
}

void RequireOperands(const CommandLine& line, qsizetype count, const char* usage) {
  if (line.operands.size() != count)
    throw UsageError(QStringLiteral("usage: quillora-cli %1").arg(QLatin1String(usage)));
}

}  // namespace quillora::cli
