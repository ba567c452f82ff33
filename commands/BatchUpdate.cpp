#include "commands/BatchUpdate.h"

#include "commands/MappedField.h"
#include "commands/TrackFiles.h"
#include "fields/Error.h"
#include "tracks/Host.h"
#include "tracks/Workspace.h"

#include <QSet>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace quillora {

namespace {

// Track table column and value, in the order the columns were first met.
using BatchList = std::vector<std::pair<int, QString>>;

// The batch entries of the field map rows the fields panel shows.
BatchList collectBatchList(const Workspace& ws) {
  const MemTable& map = ws.fields.mdFieldsInternal;
  const FieldMapColumns& fm = ws.fields.fm();
  BatchList list;
  for (int position = 0; position < map.visibleCount(); ++position) {
    const int row = map.visibleRow(position);
    if (!map.value(row, fm.ViewCheck).toBool() || !map.value(row, fm.BatchCheck).toBool()) continue;
    const int field = TrackFieldOfMapRow(ws, row);
    if (field == -1) continue;
    const QString value = map.value(row, fm.InternalBatchValue).toString();
    auto entry = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.first == field; });
    if (value.isEmpty()) {
      if (entry != list.end()) list.erase(entry);
    } else if (entry != list.end()) {
      entry->second = value;
    } else {
      list.emplace_back(field, value);
    }
  }
  return list;
}

// The track table columns that some field map row of a media type maps.
QSet<int> mappedFields(Workspace& ws, int mediaType) {
  ws.fields.FilterFieldMap(-1, mediaType, -1);
  const MemTable& map = ws.fields.mdFieldsInternal;
  QSet<int> fields;
  for (int position = 0; position < map.visibleCount(); ++position)
    fields.insert(TrackFieldOfMapRow(ws, map.visibleRow(position)));
  fields.remove(-1);
  return fields;
}

void applyBatchList(Workspace& ws, const BatchList& list) {
  MemTable& tracks = ws.tracks.JvMemoryData1;
  std::map<int, QSet<int>> fieldsByMediaType;
  for (int row = 0; row < tracks.rowCount(); ++row) {
    const int mediaType = ws.fields.MediaTypeOfFile(RelativeName(tracks, row));
    auto known = fieldsByMediaType.find(mediaType);
    if (known == fieldsByMediaType.end())
      known = fieldsByMediaType.emplace(mediaType, mappedFields(ws, mediaType)).first;
    for (const auto& [field, value] : list)
      if (known->second.contains(field)) tracks.setValue(row, field, value);
  }
}

}  // namespace

void btnBatchClick(Workspace& ws, Host& host, int senderTag) {
  host.StartFeedback(senderTag);
  try {
    ControlsFrozen frozen(ws.fields.mdFieldsInternal);
    applyBatchList(ws, collectBatchList(ws));
  } catch (const Error& error) {
    host.showMessage(error.message(), QStringLiteral("ERROR"));
  }
  host.EndFeedback(senderTag);
}

}  // namespace quillora
