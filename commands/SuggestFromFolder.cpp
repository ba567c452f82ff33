#include "commands/SuggestFromFolder.h"

#include "commands/BatchValues.h"
#include "commands/TrackFiles.h"
#include "tracks/Host.h"
#include "tracks/Workspace.h"

#include <optional>

namespace quillora {

namespace {

// The first, in case-insensitive order, of the folders holding the listed
// files, each ending in "/"; nothing when no file is listed.
std::optional<QString> firstDirectory(const Workspace& ws, const Host& host) {
  const MemTable& tracks = ws.tracks.JvMemoryData1;
  std::optional<QString> first;
  const QString folder = host.folder();
  for (int row : host.displayedRows()) {
    const QString path = TrackFileName(folder, tracks, row);
    const QString directory = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (!first || directory.compare(*first, Qt::CaseInsensitive) < 0) first = directory;
  }
  return first;
}

const QString* suggestionFor(int fieldId, const FolderNameParts& parts) {
  switch (fieldId) {
    case 31:
    case 57:
      return &parts.album;
    case 33:
    case 60:
    case 64:
      return &parts.artist;
    case 82:
      return &parts.year;
    default:
      return nullptr;
  }
}

void offerSuggestions(FieldModel& fields, const FolderNameParts& parts) {
  MemTable& map = fields.mdFieldsInternal;
  const FieldMapColumns& fm = fields.fm();
  for (int position = 0; position < map.visibleCount(); ++position) {
    const int row = map.visibleRow(position);
    if (!map.value(row, fm.ViewCheck).toBool()) continue;
    const QString* value = suggestionFor(map.value(row, fm.FieldID).toInt(), parts);
    if (!value) continue;
    OfferBatchValue(fields, row, *value);
    map.setValue(row, fm.BatchCheck, true);
  }
}

}  // namespace

std::optional<FolderNameParts> FolderSuggestion(const Workspace& ws, const Host& host) {
  const auto directory = firstDirectory(ws, host);
  if (!directory) return std::nullopt;
  return SplitFolderName(LastFolderName(*directory));
}

void btnSuggestClick(Workspace& ws, Host& host, int senderTag) {
  host.StartFeedback(senderTag);
  if (const auto parts = FolderSuggestion(ws, host))
    offerSuggestions(ws.fields, *parts);
  else
    host.showMessage(QStringLiteral("No directories"), QStringLiteral("ERROR"));
  host.EndFeedback(senderTag);
}

}  // namespace quillora
