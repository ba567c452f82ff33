#include "LoadedFolder.h"

#include "commands/Commit.h"
#include "commands/TrackFiles.h"
#include "fields/DefaultFieldData.h"
#include "fields/MemTableFile.h"
#include "tracks/FolderScan.h"
#include "tracks/TrackPaths.h"

#include <gtest/gtest.h>

namespace quillora {

LoadedFolder::LoadedFolder(const QByteArray& folder, bool subdirectories) {
  ReadMemTableStream(ws.fields.mdFields, DefaultCatalogueFile(), QStringLiteral("catalogue"));
  ReadMemTableStream(ws.fields.mdFieldsInternal, DefaultFieldMapFile(), QStringLiteral("field map"));
  ws.CreateTagObject();
  host.folderPath = FileNameText(folder);
  host.subdirectories = subdirectories;
  FolderScan(ws, host).btnRefreshClick();
}

QList<QByteArray> LoadedFolder::relativeNames() const {
  QList<QByteArray> names;
  for (int row = 0; row < ws.tracks.JvMemoryData1.rowCount(); ++row)
    names << FileNameBytes(RelativeName(ws.tracks.JvMemoryData1, row));
  return names;
}

QString LoadedFolder::cell(int row, int fieldId) const {
  const MemTable& table = ws.tracks.JvMemoryData1;
  const int column = table.columnIndex(TrackFieldName(fieldId));
  return column < 0 ? QString() : table.value(row, column).toString();
}

void LoadedFolder::setCell(int row, int fieldId, const QString& text) {
  MemTable& table = ws.tracks.JvMemoryData1;
  table.setValue(row, table.columnIndexOrThrow(TrackFieldName(fieldId)), text);
}

QString LoadedFolder::commit() {
  constexpr int kCommitTag = 16;
  host.messages.clear();
  btnCommitClick(ws, host, kCommitTag, false);
  EXPECT_EQ(host.messages.size(), 1);
  return host.messages.empty() ? QString() : host.messages.front().text;
}

}  // namespace quillora
