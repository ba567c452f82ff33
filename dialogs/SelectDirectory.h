// The directory chooser: a folder tree over the file system with the selected
// path above it and a box of favourite folders that lives in fav.dir beside
// the program. OK accepts the dialog (QDialog::Accepted) and writes the
// favourites; Cancel and the close box reject it and write nothing.
#pragma once

#include "dialogs/FavouritesFile.h"

#include <QDialog>
#include <QString>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace quillora {

class TDialogSelectDirectoryForm : public QDialog {
  Q_OBJECT

 public:
  // Shows an error message to the user; a message box unless replaced.
  using ErrorReporter = std::function<void(QWidget* parent, const QString& message)>;

  // Reads the favourites from fav.dir in favouritesFolder, the executable's
  // folder unless given. A file that cannot be read is reported and leaves
  // the favourites empty.
  explicit TDialogSelectDirectoryForm(QWidget* parent = nullptr);
  TDialogSelectDirectoryForm(const QString& favouritesFolder, ErrorReporter reportError,
                             QWidget* parent = nullptr);

  // The folder handed in before showing and, after OK, the folder chosen.
  QString Directory() const { return directory_; }
  void setDirectory(const QString& directory) { directory_ = directory; }

  // The tree's selected folder, empty when nothing is selected.
  QString selectedPath() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildLayout();
  void FormCreate();
  void FormShow();
  void cxShellTreeView1Change();
  void cbFavDirsChange(const QString& text);
  void Button4Click();
  void Button1Click();
  void Button2Click();
  // Selects path in the tree; a path that is no existing folder changes nothing.
  void selectPath(const QString& path);

  QString favouritesFileName_;
  // The favourites are the box's items; they are written back in the
  // encoding the file was read in.
  TextEncoding favouritesEncoding_ = TextEncoding::Utf8;
  ErrorReporter reportError_;
  QString directory_;

  QLabel* pathLine_ = nullptr;
  QComboBox* cbFavDirs_ = nullptr;
  QTreeView* cxShellTreeView1_ = nullptr;
  QFileSystemModel* folders_ = nullptr;
};

}  // namespace quillora
