#include "tags/FieldMapWalk.h"

#include "fields/FieldModel.h"
#include "tags/IntegerText.h"
#include "tags/TAudioGenie3.h"

#include <algorithm>
#include <utility>
#include <vector>

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
  // Whether a media type lists the extension, looked up once per media type
  // rather than once per row: the walk runs for every file of a scan.
  std::vector<std::pair<QVariant, bool>> listsExtension;
  for (map.first(); !map.eof(); map.next()) {
    const QVariant mediaTypeId = map.fieldValue(c.MediaTypeID);
    const MappedRow row{
        .fieldId = map.fieldValue(c.FieldID).toInt(),
        .mediaType = mediaTypeId.toInt(),
        .keyText = TrimBlanks(map.fieldValue(c.FieldMediaIDValue).toString()),
        .itemNumber = itemNumberOf(map.fieldValue(c.FieldMediaID).toString()),
        .viewCheck = map.fieldValue(c.ViewCheck).toBool(),
    };
    auto listed = std::find_if(listsExtension.begin(), listsExtension.end(),
                               [&](const auto& known) { return known.first == mediaTypeId; });
    if (listed == listsExtension.end())
      listed = listsExtension.insert(
          listed, {mediaTypeId, AsciiUpper(map.fieldValue(c.FormatExt).toString()).contains(entry)});
    if (!listed->second) continue;
    visit(row);
  }
  return mediaType;
}

}  // namespace quillora
