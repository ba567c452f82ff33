#include "tags/TMetaTagTexts.h"

#include "tags/TagReader.h"
#include "tags/TagWriter.h"

namespace quillora {

TMetaTagTexts::TMetaTagTexts(FieldModel& model, const QString& engineLibrary)
    : model_(model), ag(engineLibrary) {}

void TMetaTagTexts::LoadFields(const QString& FileName) { ReadTags(ag, model_, FDummyList, FileName); }

SaveResult TMetaTagTexts::SaveFields(const QString& FileName) {
  return WriteTags(ag, model_, FDummyList, FileName);
}

SaveResult TMetaTagTexts::ClearTags(const QString& FileName) {
  return quillora::ClearTags(ag, model_, FileName);
}

}  // namespace quillora
