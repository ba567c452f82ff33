#include "tags/FieldMapWalk.h"

#include "fields/FieldModel.h"
#include "tags/IntegerText.h"
#include "tags/TAudioGenie3.h"

namespace quillora {

namespace {

int itemNumberOf(const QString& fieldMediaId) {
  return TrimBlanks(fieldMediaId).isEmpty() ? -1 : StrToInt(fieldMediaId);
}

}  // namespace

int WalkFieldMap(const TAudioGenie3& engine, FieldModel& model, const QString& fileName,
                 const std::function<void(const MappedRow&)>& visit) {
  engine.analyzeFile(fileName);
  const QString entry = QLatin1Char(',') + AsciiUpper(FileExtension(fileName)) + QLatin1Char(',');
  const int mediaType = model.MediaTypeOfFile(fileName);
  model.FilterFieldMap(-1, mediaType, -1);

  MemTable& map = model.mdFieldsInternal;
  const FieldMapColumns& c = model.fm();
  ControlsFrozen frozen(map);
  for (map.first(); !map.eof(); map.next()) {
    const MappedRow row{
        .fieldId = map.fieldValue(c.FieldID).toInt(),
        .mediaType = map.fieldValue(c.MediaTypeID).toInt(),
        .keyText = TrimBlanks(map.fieldValue(c.FieldMediaIDValue).toString()),
        .itemNumber = itemNumberOf(map.fieldValue(c.FieldMediaID).toString()),
        .viewCheck = map.fieldValue(c.ViewCheck).toBool(),
    };
    if (!AsciiUpper(map.fieldValue(c.FormatExt).toString()).contains(entry)) continue;
    visit(row);
  }
  return mediaType;
}

}  // namespace quillora
