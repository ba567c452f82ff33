#include "commands/TrackFiles.h"

#include "fields/MemTable.h"
#include "tracks/TrackPaths.h"

namespace quillora {

QString RelativeName(const MemTable& tracks, int row) {
  return tracks.value(row, tracks.columnIndexOrThrow(QStringLiteral("FileName"))).toString();
}

QString TrackFileName(const QString& folder, const MemTable& tracks, int row) {
  return FullFileName(folder, RelativeName(tracks, row));
}

}  // namespace quillora
