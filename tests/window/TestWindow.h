// The real main window with its dialogs answered by the test: messages and
// questions are recorded, questions take the answers queued for them, the
// directory chooser returns the folder set for it, and sounds are recorded
// instead of played.
#pragma once

#include "app/TForm1.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace quillora {

// What the window showed and what the test answers; it outlives the window.
struct AnsweredDialogs {
  QStringList errors;
  QStringList messages;   // "caption: text"
  QStringList questions;
  QList<bool> answers;    // taken by the questions in turn; none left means no
  std::optional<QString> directory;  // the chooser's answer; none means Cancel
  QStringList sounds;     // the sound files that would have played
};

class RecordingPlayer : public SoundPlayer {
 public:
  explicit RecordingPlayer(QStringList& played) : played_(played) {}
  void play(const QString& file) override { played_ << file; }

 private:
  QStringList& played_;
};

class TestWindow : public TForm1 {
  Q_OBJECT
 public:
  TestWindow(const WindowPaths& paths, AnsweredDialogs& dialogs);

  void showMessage(const QString& text, const QString& caption) override;
  bool confirm(const QString& text, const QString& caption) override;

 protected:
  void showError(const QString& text) override;
  std::optional<QString> chooseDirectory(const QString& start) override;

 private:
  AnsweredDialogs& dialogs_;
};

}  // namespace quillora
