// A stand-in for the main window: a folder box, the subfolder check box, the
// status texts shown in order, and a hook run on each pending-events call.
#pragma once

#include "tracks/Host.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quillora {

class TestHost : public Host {
 public:
  QString folderPath;
  bool subdirectories = false;
  QStringList statuses;
  int events = 0;
  bool stop = false;
  std::function<void()> onEvents;

  QString folder() const override { return folderPath; }
  void setFolder(const QString& folder) override { folderPath = folder; }
  bool includeSubdirectories() const override { return subdirectories; }
  void setStatusText(const QString& text) override { statuses << text; }
  void processEvents() override {
    ++events;
    if (onEvents) onEvents();
  }
  bool stopRequested() const override { return stop; }
  std::vector<int> displayedRows() const override { return {}; }
  void StartFeedback(int) override {}
  void EndFeedback(int) override {}
  void StepBusyIndicator() override {}
  void showMessage(const QString&, const QString&) override {}
  bool confirm(const QString&, const QString&) override { return true; }
};

}  // namespace quillora
