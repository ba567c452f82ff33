// The window's stand-in for the command-line tool: the core asks it what it
// would ask the main window. There is no grid to sort, so the rows are
// displayed in table order; there is no one to answer a question, so a
// question is answered yes only when the command line said so (--yes).
#pragma once

#include "tracks/Host.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quillora {
class MemTable;
}

namespace quillora::cli {

struct HostMessage {
  QString text;
  QString caption;
};

class HeadlessHost : public Host {
 public:
  HeadlessHost(const QString& folder, bool includeSubdirectories, const MemTable& tracks,
               bool answerYes);

  QString folder() const override { return folder_; }
  void setFolder(const QString& folder) override { folder_ = folder; }
  bool includeSubdirectories() const override { return includeSubdirectories_; }
  // Kept, not shown: the last text is what a finished scan has to say.
  void setStatusText(const QString& text) override { statusText_ = text; }
  void processEvents() override {}
  bool stopRequested() const override { return false; }
  std::vector<int> displayedRows() const override;
  void StartFeedback(int) override {}
  void EndFeedback(int) override {}
  void StepBusyIndicator() override {}
  void showMessage(const QString& text, const QString& caption) override;
  bool confirm(const QString& text, const QString& caption) override;

  const QString& statusText() const { return statusText_; }
  // The messages shown since the last call, oldest first.
  std::vector<HostMessage> takeMessages();
  // Prints the messages shown since the last call and returns the exit code
  // they make: a message that lists files (one per line after its first,
  // as the commit and the clear list the files they could not write) goes
  // to standard error and makes 1; any other goes to standard output.
  int reportMessages();
  // The questions asked so far.
  const QStringList& questions() const { return questions_; }

 private:
  QString folder_;
  bool includeSubdirectories_;
  const MemTable& tracks_;
  bool answerYes_;
  QString statusText_;
  std::vector<HostMessage> messages_;
  QStringList questions_;
};

}  // namespace quillora::cli
