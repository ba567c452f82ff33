#include "commands/ClearIDTag.h"

#include "tags/TMetaTag.h"

namespace quillora {

SaveResult ClearIDTag(TMetaTag& tag, const QString& fileName) {
  tag.setFileNAme(fileName);
  return tag.ClearTags();
}

}  // namespace quillora
