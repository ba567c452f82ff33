// A workspace with the shipped field map and catalogue, a track table filled
// as the folder scan fills it, and a recording window.
#pragma once

#include "QtPrinters.h"
#include "RecordingHost.h"
#include "tracks/Workspace.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace quillora {

class CommandsFixture : public ::testing::Test {
 protected:
  CommandsFixture();

  // Appends a track as the scan does: its relative name and value list lines
  // ("31=Album"), adding and linking the columns it needs.
  int addTrack(const QString& relativeName, const QStringList& valueLines = {});
  // The field map row of a field and a media type (absolute index).
  int mapRow(int fieldId, int mediaType) const;
  QVariant mapValue(int fieldId, int mediaType, int column) const;
  void setMapValue(int fieldId, int mediaType, int column, const QVariant& value);
  // A track's value of a field; a null value when the track table has no
  // column for it.
  QVariant cell(int row, int fieldId) const;
  // The fields panel showing a media type, as when its file has the focus.
  void showPanel(int mediaType) { ws.fields.FilterFieldMap(-1, mediaType, -1); }
  // Ticks the field for batch with a value, as the user does in the panel.
  void setBatch(int fieldId, int mediaType, const QString& value);

  const FieldMapColumns& fm() const { return ws.fields.fm(); }
  MemTable& tracks() { return ws.tracks.JvMemoryData1; }

  Workspace ws;
  RecordingHost host{ws.tracks.JvMemoryData1};
};

}  // namespace quillora
