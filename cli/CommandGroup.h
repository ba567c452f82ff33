// A command group of quillora-cli: the first argument names it, and it runs
// the rest. Each group lives in a file of its own and is listed once in
// CommandGroups.cpp.
#pragma once

#include "fields/Error.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace quillora::cli {

struct CommandGroup {
  QString name;
  QString help;  // every command of the group with its arguments, one per paragraph
  // Runs the arguments that follow the group's name; returns the exit code.
  std::function<int(const QStringList& args)> run;
};

// A command line that does not say what to do; exits with code 2.
class UsageError : public Error {
 public:
  using Error::Error;
};

const std::vector<CommandGroup>& CommandGroups();

void WriteOut(const QByteArray& bytes);
// One report on standard error, "quillora-cli: " and the text.
void WriteError(const QString& text);

}  // namespace quillora::cli
