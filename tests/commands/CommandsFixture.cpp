#include "CommandsFixture.h"

#include "fields/DefaultFieldData.h"
#include "fields/MemTableFile.h"
#include "tracks/ActionsDisabled.h"

namespace quillora {

CommandsFixture::CommandsFixture() {
  ReadMemTableStream(ws.fields.mdFields, DefaultCatalogueFile(), QStringLiteral("catalogue"));
  ReadMemTableStream(ws.fields.mdFieldsInternal, DefaultFieldMapFile(), QStringLiteral("field map"));
  tracks().open();
  host.folderPath = QStringLiteral("/music/Some Band - 1999 - First Album");
}

int CommandsFixture::addTrack(const QString& relativeName, const QStringList& valueLines) {
  ActionsDisabled disabled(ws.DisableActions);
  ws.fields.mdFieldsInternal.clearFilter();
  tracks().append();
  ws.tracks.FillTrackRow(valueLines, relativeName, ws.fields.MediaTypeOfFile(relativeName));
  tracks().post();
  ws.tracks.rememberAsRead(tracks().currentRow());
  return tracks().currentRow();
}

int CommandsFixture::mapRow(int fieldId, int mediaType) const {
  const int row = ws.fields.FieldMapRow(fieldId, mediaType);
  if (row < 0) ADD_FAILURE() << "no field map row for field " << fieldId << " and media type " << mediaType;
  return row;
}

QVariant CommandsFixture::mapValue(int fieldId, int mediaType, int column) const {
  return ws.fields.mdFieldsInternal.value(mapRow(fieldId, mediaType), column);
}

void CommandsFixture::setMapValue(int fieldId, int mediaType, int column, const QVariant& value) {
  ws.fields.mdFieldsInternal.setValue(mapRow(fieldId, mediaType), column, value);
}

QVariant CommandsFixture::cell(int row, int fieldId) const {
  const MemTable& table = ws.tracks.JvMemoryData1;
  const int column = table.columnIndex(TrackFieldName(fieldId));
  return column < 0 ? QVariant() : table.value(row, column);
}

void CommandsFixture::setBatch(int fieldId, int mediaType, const QString& value) {
  setMapValue(fieldId, mediaType, fm().InternalBatchValue, value);
  setMapValue(fieldId, mediaType, fm().BatchCheck, true);
}

}  // namespace quillora
