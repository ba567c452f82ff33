#include "cli/CommandGroup.h"
#include "cli/FieldMapCommands.h"
#include "cli/FolderCommands.h"

#include <cstdio>

namespace quillora::cli {

const std::vector<CommandGroup>& CommandGroups() {
  static const std::vector<CommandGroup> groups = {
      ListCommand(), SuggestCommand(), SplitNameCommand(), SetCommand(), ClearCommand(),
      FieldMapCommands()};
  return groups;
}

void WriteOut(const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void WriteError(const QString& text) {
  const QByteArray line = QStringLiteral("quillora-cli: %1\n").arg(text).toUtf8();
  std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

}  // namespace quillora::cli
