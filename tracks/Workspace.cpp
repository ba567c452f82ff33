#include "tracks/Workspace.h"

#include "fields/Error.h"
#include "tags/TMetaTag.h"

namespace quillora {

Workspace::Workspace() {
  fields.mdFieldsInternal.setChangeHandler(
      fields.fm().ViewCheck, [this](int row, int) { tracks.mdFieldsViewCheckChange(row); });
}

Workspace::~Workspace() = default;

void Workspace::CreateTagObject(const QString& engineLibrary) {
  JvID3v21 = std::make_unique<TMetaTag>(fields, engineLibrary);
}

TMetaTag& Workspace::tagObject() {
  if (!JvID3v21) throw Error(QStringLiteral("The tag engine is not loaded"));
  return *JvID3v21;
}

}  // namespace quillora
