// What the track list and the editing commands ask of the window they run
// in. The main window implements it; tests and the command-line tool replace
// it with stand-ins.
#pragma once

#include <QString>

#include <vector>

namespace quillora {

class Host {
 public:
  virtual ~Host() = default;

  // The folder box: the folder that the track table lists.
  virtual QString folder() const = 0;
  virtual void setFolder(const QString& folder) = 0;
  // "Include Subdirectories", read each time a folder is met.
  virtual bool includeSubdirectories() const = 0;
  // The first panel of the status bar.
  virtual void setStatusText(const QString& text) = 0;
  // Lets the message loop handle pending events (repaint, scrolling, Esc).
  virtual void processEvents() = 0;
  // True once the user asked the running scan to stop (Esc). The window
  // clears the request before it starts a scan.
  virtual bool stopRequested() const = 0;

  // The track table's rows (absolute indexes) in the order the grid shows
  // them, after its sorting.
  virtual std::vector<int> displayedRows() const = 0;

  // Working feedback, given the clicked button's Tag (10 to 19).
  virtual void StartFeedback(int tag) = 0;
  virtual void EndFeedback(int tag) = 0;
  virtual void StepBusyIndicator() = 0;

  // A message box with an OK button.
  virtual void showMessage(const QString& text, const QString& caption) = 0;
  // A yes/no question; true for yes.
  virtual bool confirm(const QString& text, const QString& caption) = 0;
};

}  // namespace quillora
