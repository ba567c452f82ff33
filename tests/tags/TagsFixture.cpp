#include "tests/tags/TagsFixture.h"

namespace quillora {

TagsFixture::TagsFixture() {
  fake_engine::Reset();
  model.mdFieldsInternal.open();
}

void TagsFixture::addRows(std::initializer_list<MapRow> rows) {
  MemTable& map = model.mdFieldsInternal;
  const FieldMapColumns& c = model.fm();
  for (const MapRow& r : rows) {
    const int row = map.appendRowRaw();
    map.setValue(row, c.FieldID, r.fieldId);
    map.setValue(row, c.MediaTypeID, r.mediaType);
    if (!r.fieldMediaId.isEmpty()) map.setValue(row, c.FieldMediaID, r.fieldMediaId);
    if (!r.fieldMediaIdValue.isEmpty()) map.setValue(row, c.FieldMediaIDValue, r.fieldMediaIdValue);
    map.setValue(row, c.ColumnIndex, -1);
    map.setValue(row, c.ViewCheck, r.viewCheck);
  }
}

void TagsFixture::read(const QString& fileName) {
  tag.setFileNAme(fileName);
  tag.setActive(true);
}

SaveResult TagsFixture::commit(const QString& fileName) {
  tag.setFileNAme(fileName);
  return tag.Commit();
}

QString Analyzed(const QString& fileName) { return QStringLiteral("AUDIOAnalyzeFileW(%1)").arg(fileName); }

}  // namespace quillora
