// quillora-cli: Quillora's command-line tool.
//
//   quillora-cli GROUP COMMAND [ARGUMENTS]   runs a command
//   quillora-cli --help                      explains every command

#include "cli/CommandGroup.h"

#include <QCoreApplication>

#include <cstdio>

using namespace quillora;
using namespace quillora::cli;

namespace {

bool isHelp(const QString& arg) {
  return arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("help");
}

QByteArray overview() {
  QString text = QStringLiteral(
      "Usage: quillora-cli GROUP COMMAND [ARGUMENTS]\n"
      "Errors go to standard error and end the tool with a non-zero exit code.\n");
  for (const CommandGroup& group : CommandGroups()) text += QLatin1Char('\n') + group.help;
  return text.toUtf8();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) {
    std::fputs(overview().constData(), stderr);
    return 2;
  }
  if (isHelp(args.first())) {
    WriteOut(overview());
    return 0;
  }
  const QString name = args.takeFirst();
  try {
    for (const CommandGroup& group : CommandGroups()) {
      if (group.name != name) continue;
      if (!args.isEmpty() && isHelp(args.first())) {
        WriteOut(group.help.toUtf8());
        return 0;
      }
      return group.run(args);
    }
    throw UsageError(QStringLiteral("unknown command group \"%1\"").arg(name));
  } catch (const UsageError& e) {
    WriteError(e.message() + QStringLiteral("\nRun \"quillora-cli --help\" for the commands."));
    return 2;
  } catch (const Error& e) {
    WriteError(e.message());
    return 1;
  }
}
