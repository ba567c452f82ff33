#include "LoadedFolderFixture.h"

#include "commands/Commit.h"
#include "tracks/FolderScan.h"

namespace quillora {

void LoadedFolderFixture::load(std::initializer_list<std::pair<const char*, const char*>> files) {
  for (const auto& [fixture, name] : files) folder.add(fixture, name);
  host.folderPath = folder.path();
  ws.CreateTagObject();
  FolderScan(ws, host).btnRefreshClick();
  ASSERT_EQ(tracks().rowCount(), int(files.size()));
  host.calls.clear();
}

int LoadedFolderFixture::row(const QString& name) const {
  const MemTable& table = ws.tracks.JvMemoryData1;
  for (int r = 0; r < table.rowCount(); ++r)
    if (table.value(r, table.columnIndex("FileName")).toString() == name) return r;
  ADD_FAILURE() << "no row for " << name.toStdString();
  return -1;
}

void LoadedFolderFixture::tick(int fieldId, int mediaType) {
  showPanel(mediaType);
  setMapValue(fieldId, mediaType, fm().ViewCheck, true);
}

void LoadedFolderFixture::setCell(const QString& name, int fieldId, const QVariant& value) {
  tracks().setValue(row(name), tracks().columnIndexOrThrow(TrackFieldName(fieldId)), value);
}

QString LoadedFolderFixture::commit(bool eraseTagFirst) {
  host.messages.clear();
  btnCommitClick(ws, host, kCommitTag, eraseTagFirst);
  if (host.messages.size() != 1) {
    ADD_FAILURE() << "the commit showed " << host.messages.size() << " messages";
    return QString();
  }
  EXPECT_EQ(host.messages[0].caption, "Commit Changes");
  return host.messages[0].text;
}

}  // namespace quillora
