#include "cli/CommandGroup.h"
#include "cli/FieldMapCommands.h"

#include <cstdio>

namespace quillora::cli {

const std::vector<CommandGroup>& CommandGroups() {
  static const std::vector<CommandGroup> groups = {FieldMapCommands()};
  return groups;
}

void WriteOut(const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

}  // namespace quillora::cli
