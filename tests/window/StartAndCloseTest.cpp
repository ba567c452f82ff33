// Start-up and shut-down of the main window, the About tab and the buttons
// that do nothing.
#include "WindowFixture.h"

#include "app/BusyIndicator.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace quillora {
namespace {

class StartAndCloseTest : public WindowFixture {};

QStringList SettingsLines(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")),
                                                  Qt::SkipEmptyParts);
}

int VisibleColumns(const QTableView* view) {
  int visible = 0;
  for (int c = 0; c < view->model()->columnCount(); ++c) visible += view->isColumnHidden(c) ? 0 : 1;
  return visible;
}

TEST_F(StartAndCloseTest, FirstStartInAnEmptyDirectoryThenCtrlQ) {
  open();
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
  EXPECT_EQ(window->windowTitle(), "Quillora");
  EXPECT_EQ(window->PageControl1->currentWidget(), window->MP3s);
  EXPECT_EQ(window->trackProxy()->rowCount(), 0);
  EXPECT_EQ(VisibleColumns(window->cxGridMP3), 1);
  EXPECT_EQ(window->trackProxy()->headerData(0, Qt::Horizontal).toString(), "FileName");
  EXPECT_EQ(window->cxGridMP3->columnWidth(0), 50) << "the settings default";
  EXPECT_EQ(window->cxGrid2->model()->rowCount(), 0) << "the fields panel is empty";
  EXPECT_TRUE(window->Edit1->text().isEmpty());
  EXPECT_TRUE(window->cbPictures->isChecked());
  EXPECT_TRUE(window->cbAppendPictures->isChecked());
  EXPECT_FALSE(window->cbEraseTag->isChecked());
  EXPECT_FALSE(window->CheckBox1->isChecked());
  EXPECT_FALSE(window->PaintBox1->isVisible());

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible()) << "Ctrl+Q closes the window";
  window.reset();

  for (const char* name : {"FieldsInternal.dat", "FieldsInternal.dtt"}) {
    EXPECT_TRUE(QFileInfo::exists(workFile(name))) << name << " in the current directory";
    EXPECT_FALSE(QFileInfo::exists(programFile(name))) << name << " not beside the program";
  }
  const QStringList expected = {
      "[DEFAULTS]",
      "TRACKSPATH=",
      "GENRETYPES=Classic Pop",
      "[CONFIG]",
      "EXCEPTIONS=Various,Various Artist,Various Artists,אמנים שונים,אומנים שונים",
      "DATABASE=",
      "[CHECKED]",
      "PICTURES=1",
      "PICTURESFLAG=1",
      "[WIDTHS]",
      "FILENAME=50",
  };
  EXPECT_EQ(SettingsLines(programFile("Ormu.dat.ini")), expected);
}

TEST_F(StartAndCloseTest, TheAboutTabShowsTheAboutWindowAndReturnsToMetaTagsEveryTime) {
  open();
  QTabBar* tabs = window->PageControl1->tabBar();
  ASSERT_EQ(tabs->tabText(1), "About");
  for (int time = 1; time <= 3; ++time) {
    SCOPED_TRACE(time);
    QString shown;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        shown = modal->objectName();
        modal->close();
      }
    });
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(shown, "About");
    EXPECT_EQ(window->PageControl1->currentWidget(), window->MP3s);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "Meta Tags");
  }
}

TEST_F(StartAndCloseTest, EditIdAndLoadPicturesDoNothing) {
  open();
  for (QAbstractButton* button : {static_cast<QAbstractButton*>(window->btnEditID),
                                  static_cast<QAbstractButton*>(window->btnEnhanced)}) {
    SCOPED_TRACE(button->objectName().toStdString());
    button->click();
    EXPECT_TRUE(dialogs.sounds.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(window->PaintBox1->isVisible());
    EXPECT_TRUE(window->StatusPanel[0]->text().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Quillora");
  }
}

TEST_F(StartAndCloseTest, AnEngineThatCannotBeLoadedIsReportedAndTheWindowStillOpens) {
  open(QStringLiteral("libNoSuchTagEngine.so"));
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains("libNoSuchTagEngine.so")) << dialogs.errors[0].toStdString();
  EXPECT_TRUE(window->isVisible());

  const QString folder = makeFolder(QStringLiteral("Album"), {{"v23.mp3", "01.mp3"}});
  dialogs.errors.clear();
  selectAndLoad(folder);
  EXPECT_EQ(dialogs.errors, QStringList{"The tag engine is not loaded"});
  EXPECT_TRUE(window->Button1->isEnabled()) << "the window is usable again";

  closeAndDestroy();
  EXPECT_TRUE(QFileInfo::exists(workFile("FieldsInternal.dat")));
  EXPECT_TRUE(QFileInfo::exists(programFile("Ormu.dat.ini")));
}

}  // namespace
}  // namespace quillora
