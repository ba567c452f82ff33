#include "commands/SuggestFromTag.h"

#include "commands/BatchValues.h"
#include "commands/FolderName.h"
#include "commands/MappedField.h"
#include "commands/TrackFiles.h"
#include "tracks/Host.h"
#include "tracks/Workspace.h"

namespace quillora {

namespace {

constexpr int kAlbum = 31;
constexpr int kArtist = 33;
constexpr int kAlbumArtist = 64;
constexpr int kYear = 82;

void setCell(MemTable& tracks, int row, int field, const QString& value) {
  if (field != -1) tracks.setValue(row, field, value);
}

}  // namespace

void btnSetAlbumBatchClick(Workspace& ws, Host& host) {
  MemTable& tracks = ws.tracks.JvMemoryData1;
  ControlsFrozen frozen(tracks);
  const QString folder = host.folder();
  for (int row : host.displayedRows()) {
    const int mediaType = ws.fields.MediaTypeOfFile(RelativeName(tracks, row));
    const int year = TrackFieldOf(ws, kYear, mediaType);
    const int albumArtist = TrackFieldOf(ws, kAlbumArtist, mediaType);
    const int artist = TrackFieldOf(ws, kArtist, mediaType);
    const int album = TrackFieldOf(ws, kAlbum, mediaType);
    if (album == -1) continue;
    const QString albumText = tracks.value(row, album).toString();
    if (albumText.trimmed().isEmpty()) continue;

    const FolderNameParts parts = SplitFolderName(LastFolderName(TrackFileName(folder, tracks, row)));
    OfferBatchValue(ws.fields, ws.fields.mdFieldsInternal.visibleRow(0), albumText);
    setCell(tracks, row, year, parts.year);
    setCell(tracks, row, albumArtist, parts.artist);
    setCell(tracks, row, artist, parts.artist);
    return;
  }
}

}  // namespace quillora
