#include "tags/TagWriter.h"

#include "fields/FieldModel.h"
#include "tags/FieldMapWalk.h"
#include "tags/IntegerText.h"
#include "tags/TagItems.h"
#include "tags/ValueList.h"

#include <variant>

namespace quillora {

namespace {

void writeNumbered(const TAudioGenie3& engine, const MediaTagIo& io, int number,
                   const QString& value) {
  const NumberedItem* item = FindItem(io, number);
  if (!item) return;
  if (const auto* key = std::get_if<UserKey>(&item->get))
    engine.set(io.keySet, QString::fromUtf16(key->name), value);
  else if (item->set)
    engine.set(item->set, value);
}

void writeRow(const TAudioGenie3& engine, const MappedRow& row, const QString& value) {
  const MediaTagIo* io = MediaTagIoFor(row.mediaType);
  if (!io || SkipsRow(*io, row.keyText, row.itemNumber)) return;
  switch (io->address) {
    case ItemAddress::FrameId:
      engine.set(io->frameSet, FrameIdentifier(row.keyText), value);
      break;
    case ItemAddress::ItemName:
      engine.set(io->keySet, row.keyText, value);
      break;
    case ItemAddress::ItemNumber:
      writeNumbered(engine, *io, row.itemNumber, value);
      break;
  }
}

SaveResult saved(const TAudioGenie3& engine, bool success) {
  if (success) return {SaveResult::Status::Written, QString()};
  QString reason = engine.lastError();
  if (reason.isEmpty()) reason = QStringLiteral("The tag engine gave no reason.");
  return {SaveResult::Status::Failed, reason};
}

}  // namespace

SaveResult WriteTags(const TAudioGenie3& engine, FieldModel& model, const ValueList& values,
                     const QString& fileName) {
  const int mediaType = WalkFieldMap(engine, model, fileName, [&](const MappedRow& row) {
    if (row.viewCheck) writeRow(engine, row, values.GetFieldValue(row.fieldId));
  });
  const MediaTagIo* io = MediaTagIoFor(mediaType);
  if (!io) return {};
  return saved(engine, engine.save(io->save));
}

SaveResult ClearTags(const TAudioGenie3& engine, FieldModel& model, const QString& fileName) {
  if (!MediaTagIoFor(model.MediaTypeOfFile(fileName))) return {};
  engine.analyzeFile(fileName);
  return saved(engine, engine.save(&EngineExports::AUDIOClearTagsW));
}

}  // namespace quillora
