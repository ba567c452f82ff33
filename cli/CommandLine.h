// Reading a command's arguments.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace quillora::cli {

// A command's arguments: the options it knows that were given, and the
// others in order. "--" ends the options.
struct CommandLine {
  QSet<QString> options;
  QStringList operands;
  bool has(const char* option) const { return options.contains(QLatin1String(option)); }
};

// Throws UsageError for an option not in `known`.
CommandLine ParseCommandLine(const QStringList& args, const QStringList& known);
// Throws UsageError, naming the usage, unless there are `count` operands.
void RequireOperands(const CommandLine& line, qsizetype count, const char* usage);

}  // namespace quillora::cli
