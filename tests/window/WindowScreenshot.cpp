// Shows the real main window (or the directory chooser, or the About window)
// on a display, waits until it is painted and saves a picture of it. Run by
// scripts/screenshot.sh under a virtual X server; not a test.
//
//   window-screenshot [--what window|chooser|about] [--folder DIR] [--busy] [OUT.png]
//
// --folder loads DIR into the track grid; --busy shows the busy ring
// turning, as while a command runs. The window starts as for a returning
// user whose FileName column is wide enough for the names (the width of a
// first start is 50 pixels); --first-start shows it with no settings file.
#include "app/Settings.h"
#include "app/TForm1.h"
#include "dialogs/About.h"
#include "dialogs/SelectDirectory.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Lets the window system map and paint the window.
void settle(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

bool save(QWidget& widget, const QString& out) {
  widget.show();
  widget.raise();
  settle(700);
  if (widget.grab().save(out)) {
    std::printf("%s\n", qPrintable(out));
    return true;
  }
  std::fprintf(stderr, "could not write %s\n", qPrintable(out));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("what"), QStringLiteral("window, chooser or about"), QStringLiteral("what"),
                    QStringLiteral("window")});
  parser.addOption({QStringLiteral("folder"), QStringLiteral("folder to load"), QStringLiteral("dir")});
  parser.addOption({QStringLiteral("busy"), QStringLiteral("show the busy ring")});
  parser.addOption({QStringLiteral("first-start"), QStringLiteral("start without a settings file")});
  parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("the PNG to write"));
  parser.process(app);
  const QString out = parser.positionalArguments().value(0, QStringLiteral("/tmp/quillora-window.png"));
  const QString what = parser.value(QStringLiteral("what"));

  // Settings and field files go to a scratch folder, not beside the program.
  QTemporaryDir scratch;
  QDir::setCurrent(scratch.path());

  if (what == QLatin1String("about")) {
    quillora::TAbout about;
    return save(about, out) ? 0 : 1;
  }
  if (what == QLatin1String("chooser")) {
    quillora::TDialogSelectDirectoryForm chooser(scratch.path(), nullptr);
    chooser.setDirectory(parser.value(QStringLiteral("folder")));
    return save(chooser, out) ? 0 : 1;
  }

  if (!parser.isSet(QStringLiteral("first-start"))) {
    quillora::AppSettings settings;
    settings.fileNameWidth = 170;
    quillora::WriteSettings(quillora::SettingsFileName(scratch.path()), settings);
  }
  quillora::TForm1 window(quillora::WindowPaths{scratch.path()});
  window.show();
  settle(200);
  if (parser.isSet(QStringLiteral("folder"))) {
    window.setFolder(parser.value(QStringLiteral("folder")));
    window.btnRefreshClick();
  }
  if (parser.isSet(QStringLiteral("busy"))) {
    window.StartFeedback(0);
    for (int step = 0; step < 30; ++step) window.StepBusyIndicator();
  }
  return save(window, out) ? 0 : 1;
}
