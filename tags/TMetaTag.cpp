#include "tags/TMetaTag.h"

#include "fields/Error.h"
#include "fields/FieldModel.h"

namespace quillora {

TMetaTag::TMetaTag(FieldModel& model, const QString& engineLibrary)
    : model_(model), FTexts(model, engineLibrary) {}

void TMetaTag::setActive(bool active) {
  FActive = active;
  if (!active) return;
  if (!model_.IsKnownExtension(FileExtension(FFileName))) throw Error(QStringLiteral("Unsupported kind"));
  FTexts.LoadFields(FFileName);
}

}  // namespace quillora
