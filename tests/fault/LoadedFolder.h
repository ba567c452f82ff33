// A workspace that loads a folder through the real folder scan and tag
// engine, as the window does, for the tests that must act between the scan
// and the commit. Messages are kept; no question is asked of anyone.
#pragma once

#include "fields/MemTable.h"
#include "RecordingHost.h"
#include "tracks/Workspace.h"

#include <QByteArray>
#include <QStringList>

namespace quillora {

struct LoadedFolder {
  // Loads the shipped field map and catalogue and the engine, then scans.
  LoadedFolder(const QByteArray& folder, bool subdirectories);
  // Each listed file's relative name as the bytes that name it.
  QList<QByteArray> relativeNames() const;
  // The row's cell of a field, as text.
  QString cell(int row, int fieldId) const;
  void setCell(int row, int fieldId, const QString& text);
  // "Commit Changes"; returns its message.
  QString commit();

  Workspace ws;
  RecordingHost host{ws.tracks.JvMemoryData1};
};

}  // namespace quillora
