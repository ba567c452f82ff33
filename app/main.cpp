// Quillora: a desktop editor for the tags of a folder's audio files.
#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quillora"));
  quillora::TForm1 window(quillora::WindowPaths{QApplication::applicationDirPath()});
  window.show();
  return QApplication::exec();
}
