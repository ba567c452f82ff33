#include "TracksFixture.h"

#include "fields/DefaultFieldData.h"
#include "fields/MemTableFile.h"
#include "tracks/FolderScan.h"
#include "tracks/TrackList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillora {

TracksFixture::TracksFixture() {
  ReadMemTableStream(ws.fields.mdFields, DefaultCatalogueFile(), QStringLiteral("catalogue"));
  ReadMemTableStream(ws.fields.mdFieldsInternal, DefaultFieldMapFile(), QStringLiteral("field map"));
}

int TracksFixture::mapRow(int fieldId, int mediaType) const {
  const int row = ws.fields.FieldMapRow(fieldId, mediaType);
  if (row < 0) ADD_FAILURE() << "no field map row for " << fieldId << "/" << mediaType;
  return row;
}

QVariant TracksFixture::mapValue(int fieldId, int mediaType, int column) const {
  return ws.fields.mdFieldsInternal.value(mapRow(fieldId, mediaType), column);
}

void TracksFixture::setCatalogueType(int fieldId, int type, int size) {
  const int row = ws.fields.CatalogueRow(fieldId);
  if (row < 0) {
    ADD_FAILURE() << "no catalogue row for " << fieldId;
    return;
  }
  MemTable& catalogue = ws.fields.mdFields;
  catalogue.setValue(row, ws.fields.cat().FieldTypeID, type == 0 ? QVariant() : QVariant(type));
  catalogue.setValue(row, ws.fields.cat().FieldSize, size);
}

void TracksFixture::openTracks() {
  tracks().close();
  ws.tracks.ResetTrackFields();
  tracks().open();
}

void TracksFixture::addRow(const QString& relativeName, int mediaType,
                           const QStringList& valueLines) {
  tracks().append();
  ws.tracks.FillTrackRow(valueLines, relativeName, mediaType);
  tracks().post();
  ws.tracks.rememberAsRead(tracks().currentRow());
}

QVariant TracksFixture::cell(int row, int fieldId) const {
  const MemTable& t = ws.tracks.JvMemoryData1;
  const int column = t.columnIndex(TrackFieldName(fieldId));
  return column < 0 ? QVariant() : t.value(row, column);
}

QStringList TracksFixture::fileNames() const {
  const MemTable& t = ws.tracks.JvMemoryData1;
  QStringList names;
  if (!t.isOpen()) return names;
  for (int row = 0; row < t.rowCount(); ++row) names << t.value(row, 0).toString();
  return names;
}

QStringList TracksFixture::columnFields() const {
  QStringList fields;
  for (int position = 0; position < ws.tracks.cxGridMP3.count(); ++position)
    fields << ws.tracks.cxGridMP3.at(position).fieldName;
  return fields;
}

ScanFixture::ScanFixture() {
  ws.CreateTagObject();
  host.folderPath = dir.path();
}

void ScanFixture::put(const QString& fixture, const QString& relativeName) {
  const QString target = path(relativeName);
  QDir().mkpath(QFileInfo(target).path());
  ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLORA_TEST_DATA "/") + fixture, target)) << fixture.toStdString();
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

void ScanFixture::putBytes(const QByteArray& bytes, const QString& relativeName) {
  const QString target = path(relativeName);
  QDir().mkpath(QFileInfo(target).path());
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

void ScanFixture::refresh() {
  FolderScan(ws, host).btnRefreshClick();
}

}  // namespace quillora
