#include "dialogs/SelectDirectory.h"
#include "tests/dialogs/TestFiles.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace quillora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class SelectDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(folders_.path()).mkpath("a/inner"));
    ASSERT_TRUE(QDir(folders_.path()).mkpath("b"));
  }

  QString folder(const QString& relative) const { return folders_.filePath(relative); }
  QString favourites() const { return FavouritesFileName(program_.path()); }

  std::unique_ptr<TDialogSelectDirectoryForm> makeDialog() {
    return std::make_unique<TDialogSelectDirectoryForm>(
        program_.path(), [this](QWidget*, const QString& message) { errors_.append(message); });
  }

  // Created, given the folder and shown, as the folder scan does it.
  std::unique_ptr<TDialogSelectDirectoryForm> shown(const QString& directory) {
    auto dialog = makeDialog();
    dialog->setDirectory(directory);
    dialog->show();
    return dialog;
  }

  template <typename T>
  static T* child(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  static void click(QWidget& dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
  }

  QTemporaryDir program_;
  QTemporaryDir folders_;
  QStringList errors_;
};

TEST_F(SelectDirectoryTest, ShowingSelectsTheDirectoryAndFocusesTheTree) {
  auto dialog = shown(folder("a/inner"));
  EXPECT_EQ(dialog->windowTitle(), "Select Directory");
  EXPECT_EQ(child<QPushButton>(*dialog, "Button4")->text(), "+ Add Favieorit Dir");
  EXPECT_EQ(child<QPushButton>(*dialog, "Button4")->width(), 100);
  EXPECT_EQ(child<QPushButton>(*dialog, "Button3")->text(), "Original Directory");
  EXPECT_EQ(dialog->selectedPath(), folder("a/inner"));
  EXPECT_EQ(child<QLabel>(*dialog, "Panel1")->text(), folder("a/inner"));
  EXPECT_EQ(dialog->focusWidget(), child<QTreeView>(*dialog, "cxShellTreeView1"));
}

TEST_F(SelectDirectoryTest, FirstRunOkWritesAnEmptyFile) {
  auto dialog = shown(folder("b"));
  EXPECT_EQ(child<QComboBox>(*dialog, "cbFavDirs")->count(), 0);
  click(*dialog, "Button1");
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(dialog->Directory(), folder("b"));
  EXPECT_TRUE(QFileInfo::exists(favourites()));
  EXPECT_EQ(ReadBytes(favourites()), QByteArray());
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(SelectDirectoryTest, AddingTheSameFolderTwiceGivesTwoLines) {
  auto dialog = shown(folder("a"));
  click(*dialog, "Button4");
  click(*dialog, "Button4");
  EXPECT_EQ(child<QComboBox>(*dialog, "cbFavDirs")->currentText(), folder("a"));
  click(*dialog, "Button1");
  const QByteArray line = folder("a").toUtf8() + "\r\n";
  EXPECT_EQ(ReadBytes(favourites()), line + line);
}

TEST_F(SelectDirectoryTest, CancelKeepsTheFileAndForgetsWhatWasAdded) {
  WriteBytes(favourites(), folder("b").toUtf8() + "\n");
  auto dialog = shown(folder("a"));
  click(*dialog, "Button4");
  click(*dialog, "Button2");
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(ReadBytes(favourites()), folder("b").toUtf8() + "\n");
  auto next = makeDialog();
  const QComboBox* box = child<QComboBox>(*next, "cbFavDirs");
  ASSERT_EQ(box->count(), 1);
  EXPECT_EQ(box->itemText(0), folder("b"));
  EXPECT_EQ(box->currentText(), QString());
}

TEST_F(SelectDirectoryTest, PathsThatAreNoFolderLeaveTheSelection) {
  // The tree keeps what it had (the first folder once it has the focus).
  auto nowhere = shown(folder("missing"));
  const QString kept = nowhere->selectedPath();
  EXPECT_FALSE(kept.startsWith(folders_.path())) << kept.toStdString();
  click(*nowhere, "Button1");
  EXPECT_EQ(nowhere->Directory(), kept);

  WriteBytes(folder("a/file.txt"), "x");
  auto dialog = shown(folder("a"));
  QComboBox* box = child<QComboBox>(*dialog, "cbFavDirs");
  for (const QString& text : {folder("missing"), folder("a/file.txt"), QStringLiteral("b")}) {
    SCOPED_TRACE(text.toStdString());
    box->setEditText(text);
    EXPECT_EQ(dialog->selectedPath(), folder("a"));
  }
  click(*dialog, "Button1");
  EXPECT_EQ(dialog->Directory(), folder("a"));
}

TEST_F(SelectDirectoryTest, FavouritesBoxSelectsAndHandsFocusToTheTree) {
  WriteBytes(favourites(), (folder("a") + "\r\n" + folder("b") + "\r\n").toUtf8());
  auto dialog = shown(folder("a"));
  QApplication::setActiveWindow(dialog.get());
  QComboBox* box = child<QComboBox>(*dialog, "cbFavDirs");
  QTreeView* tree = child<QTreeView>(*dialog, "cxShellTreeView1");

  box->setCurrentIndex(1);
  EXPECT_EQ(dialog->selectedPath(), folder("b"));
  EXPECT_EQ(dialog->focusWidget(), tree);

  box->setFocus();
  ASSERT_EQ(dialog->focusWidget(), box);
  QTest::keyClick(box, Qt::Key_Slash);
  EXPECT_EQ(dialog->focusWidget(), tree);
}

TEST_F(SelectDirectoryTest, WindowGrowsForALongPathAndNeverShrinks) {
  const QString deep = QString(60, 'c') + "/" + QString(60, 'd') + "/" + QString(60, 'e') +
                       "/" + QString(60, 'f');
  ASSERT_TRUE(QDir(folders_.path()).mkpath(deep));
  auto dialog = shown(folder("b"));
  EXPECT_EQ(dialog->width(), 364);
  EXPECT_EQ(dialog->height(), 419);

  child<QComboBox>(*dialog, "cbFavDirs")->setEditText(folder(deep));
  ASSERT_EQ(dialog->selectedPath(), folder(deep));
  const int wide = dialog->fontMetrics().horizontalAdvance(folder(deep)) + 10;
  ASSERT_GT(wide, 364);
  EXPECT_EQ(dialog->frameGeometry().width(), wide);

  child<QComboBox>(*dialog, "cbFavDirs")->setEditText(folder("b"));
  ASSERT_EQ(dialog->selectedPath(), folder("b"));
  EXPECT_EQ(dialog->frameGeometry().width(), wide);
}

TEST_F(SelectDirectoryTest, FileErrorsAreReportedAndTheChoiceStands) {
  ASSERT_TRUE(QDir().mkdir(favourites()));
  auto dialog = shown(folder("a"));
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].contains(favourites())) << errors_[0].toStdString();
  EXPECT_EQ(child<QComboBox>(*dialog, "cbFavDirs")->count(), 0);

  click(*dialog, "Button1");
  EXPECT_EQ(errors_.size(), 2);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(dialog->Directory(), folder("a"));
}

}  // namespace
}  // namespace quillora
