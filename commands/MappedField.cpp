#include "commands/MappedField.h"

#include "tracks/Workspace.h"

namespace quillora {

int TrackFieldOfMapRow(const Workspace& ws, int mapRow) {
  const MemTable& map = ws.fields.mdFieldsInternal;
  const FieldMapColumns& fm = ws.fields.fm();
  const bool shown = map.value(mapRow, fm.ColumnIndex).toInt() != -1;
  if (!shown && !map.value(mapRow, fm.ViewCheck).toBool()) return -1;
  const int fieldId = map.value(mapRow, fm.FieldID).toInt();
  return ws.tracks.JvMemoryData1.columnIndex(TrackFieldName(fieldId));
}

int TrackFieldOf(Workspace& ws, int fieldId, int mediaType) {
  ws.fields.FilterFieldMap(fieldId, mediaType, -1);
  const MemTable& map = ws.fields.mdFieldsInternal;
  return map.isEmpty() ? -1 : TrackFieldOfMapRow(ws, map.visibleRow(0));
}

}  // namespace quillora
