#include "TestWindow.h"

namespace quillora {

TestWindow::TestWindow(const WindowPaths& paths, AnsweredDialogs& dialogs)
    : TForm1(paths, std::make_unique<RecordingPlayer>(dialogs.sounds)), dialogs_(dialogs) {}

void TestWindow::showMessage(const QString& text, const QString& caption) {
  dialogs_.messages << caption + QStringLiteral(": ") + text;
}

bool TestWindow::confirm(const QString& text, const QString&) {
  dialogs_.questions << text;
  return !dialogs_.answers.isEmpty() && dialogs_.answers.takeFirst();
}

void TestWindow::showError(const QString& text) { dialogs_.errors << text; }

std::optional<QString> TestWindow::chooseDirectory(const QString&) { return dialogs_.directory; }

}  // namespace quillora
