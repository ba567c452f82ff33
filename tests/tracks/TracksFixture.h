// A workspace with the shipped field map and catalogue and a stand-in
// window, plus helpers to read the track table and the field map.
#pragma once

#include "TestHost.h"
#include "tracks/Workspace.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace quillora {

// Media types of the shipped media formats.
inline constexpr int kMpeg = 1;
inline constexpr int kFlac = 4;
inline constexpr int kMp4 = 9;
// Catalogue fields the tests use.
inline constexpr int kAlbum = 31;
inline constexpr int kYear = 82;
inline constexpr int kTitle = 49;
inline constexpr int kTrack = 70;

class TracksFixture : public ::testing::Test {
 public:
  TracksFixture();

  // The field map row of a field and a media type (absolute index).
  int mapRow(int fieldId, int mediaType) const;
  QVariant mapValue(int fieldId, int mediaType, int column) const;
  // Changes a catalogue field's type and width.
  void setCatalogueType(int fieldId, int type, int size = 0);
  // Opens the track table empty and appends a filled row as the scan does.
  void openTracks();
  void addRow(const QString& relativeName, int mediaType, const QStringList& valueLines);
  // A track's value of a field; null when there is no such column.
  QVariant cell(int row, int fieldId) const;
  QStringList fileNames() const;
  // The fields that the grid's columns show, in column order.
  QStringList columnFields() const;

  const FieldMapColumns& fm() const { return ws.fields.fm(); }
  MemTable& tracks() { return ws.tracks.JvMemoryData1; }
  MemTable& map() { return ws.fields.mdFieldsInternal; }

  Workspace ws;
  TestHost host;
};

// A fixture that scans copies of the audio fixtures with the real engine.
class ScanFixture : public TracksFixture {
 public:
  ScanFixture();

  // Copies tests/data/<fixture> to <folder>/<relativeName>, making folders.
  void put(const QString& fixture, const QString& relativeName);
  void putBytes(const QByteArray& bytes, const QString& relativeName);
  QString path(const QString& relativeName) const { return dir.filePath(relativeName); }
  void refresh();

  QTemporaryDir dir;
};

}  // namespace quillora
