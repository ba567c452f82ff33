// A workspace that loads a folder through the real folder scan and tag
// engine, as the window does, for the tests that must act between the scan
// and the commit. Messages are kept; no question is asked of anyone.
#pragma once

#include "fields/MemTable.h"
#include "tracks/Host.h"
#include "tracks/Workspace.h"

#include <QByteArray>
#include <QStringList>

namespace quillora {

class ScanHost : public Host {
 public:
  explicit ScanHost(const MemTable& tracks) : tracks_(tracks) {}
  QString folderPath;
  bool subdirectories = false;
  QStringList messages;

  QString folder() const override { return folderPath; }
  void setFolder(const QString& folder) override { folderPath = folder; }
  bool includeSubdirectories() const override { return subdirectories; }
  void setStatusText(const QString&) override {}
  void processEvents() override {}
  bool stopRequested() const override { return false; }
  std::vector<int> displayedRows() const override {
    std::vector<int> rows;
    for (int row = 0; row < tracks_.rowCount(); ++row) rows.push_back(row);
    return rows;
  }
  void StartFeedback(int) override {}
  void EndFeedback(int) override {}
  void StepBusyIndicator() override {}
  void showMessage(const QString& text, const QString&) override { messages << text; }
  bool confirm(const QString&, const QString&) override { return false; }

 private:
  const MemTable& tracks_;
};

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
  ScanHost host{ws.tracks.JvMemoryData1};
};

}  // namespace quillora
