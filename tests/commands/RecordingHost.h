// A stand-in for the main window that records what a command asks of it.
#pragma once

#include <functional>

#include "fields/MemTable.h"
#include "tracks/Host.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quillora {

struct Shown {
  QString text;
  QString caption;
};

class RecordingHost : public Host {
 public:
  explicit RecordingHost(const MemTable& tracks) : tracks_(tracks) {}

  QString folderPath;
  bool subdirectories = false;
  bool confirmAnswer = true;
  // The grid's order; table order when unset.
  std::optional<std::vector<int>> gridOrder;

  // "start 12", "step", "end 12", "status 1 of 2", "events", "message",
  // "confirm", in call order.
  QStringList calls;
  // Runs where the window would handle its events, between two files.
  std::function<void()> onEvents;
  std::vector<Shown> messages;
  std::vector<Shown> questions;

  QString folder() const override { return folderPath; }
  void setFolder(const QString& folder) override { folderPath = folder; }
  bool includeSubdirectories() const override { return subdirectories; }
  void setStatusText(const QString& text) override { calls << QStringLiteral("status ") + text; }
  void processEvents() override {
    calls << QStringLiteral("events");
    if (onEvents) onEvents();
  }
  bool stopRequested() const override { return false; }
  std::vector<int> displayedRows() const override {
    if (gridOrder) return *gridOrder;
    std::vector<int> rows;
    for (int row = 0; row < tracks_.rowCount(); ++row) rows.push_back(row);
    return rows;
  }
  void StartFeedback(int tag) override { calls << QStringLiteral("start %1").arg(tag); }
  void EndFeedback(int tag) override { calls << QStringLiteral("end %1").arg(tag); }
  void StepBusyIndicator() override { calls << QStringLiteral("step"); }
  void showMessage(const QString& text, const QString& caption) override {
    calls << QStringLiteral("message");
    messages.push_back({text, caption});
  }
  bool confirm(const QString& text, const QString& caption) override {
    calls << QStringLiteral("confirm");
    questions.push_back({text, caption});
    return confirmAnswer;
  }

 private:
  const MemTable& tracks_;
};

}  // namespace quillora
