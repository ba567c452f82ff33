// The real main window, driven as a user would drive it, with the two
// things a benchmark cannot wait for replaced: message boxes are recorded
// instead of shown, and the feedback sounds are silent.
#pragma once

#include "app/TForm1.h"

#include <QString>
#include <QTimer>

namespace quillora::bench {

class BenchWindow : public TForm1 {
 public:
  // programFolder takes the settings file; the window is shown offscreen.
  explicit BenchWindow(const QString& programFolder);

  // Puts `folder` in the folder box and clicks "Refresh".
  void refresh(const QString& folder);
  // Clicks "Commit Changes".
  void commit();
  // Types `value` into the cell under `caption` of every row of the grid.
  // Returns the rows changed.
  int setEveryCell(const QString& caption, const QString& value);

  int rows() const;
  // The bytes of every track table value as text (UTF-16, as held).
  qint64 valueTextBytes();
  // The last message box's text, and every message box that was not
  // expected (an error the window showed by itself).
  const QString& lastMessage() const { return lastMessage_; }
  const QStringList& unexpectedDialogs() const { return unexpected_; }

  void showMessage(const QString& text, const QString& caption) override;
  bool confirm(const QString& text, const QString& caption) override;

 private:
  QString lastMessage_;
  QStringList unexpected_;
  QTimer dialogCloser_;
};

}  // namespace quillora::bench
