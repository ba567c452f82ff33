#include "dialogs/SelectDirectory.h"

#include "fields/Error.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace quillora {
namespace {

void ShowErrorBox(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
}

QPushButton* MakeButton(const QString& objectName, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TDialogSelectDirectoryForm::TDialogSelectDirectoryForm(QWidget* parent)
    : TDialogSelectDirectoryForm(QCoreApplication::applicationDirPath(), ShowErrorBox, parent) {}

TDialogSelectDirectoryForm::TDialogSelectDirectoryForm(const QString& favouritesFolder,
                                                       ErrorReporter reportError, QWidget* parent)
    : QDialog(parent),
      favouritesFileName_(FavouritesFileName(favouritesFolder)),
      reportError_(std::move(reportError)) {
  setObjectName(QStringLiteral("DialogSelectDirectoryForm"));
  setWindowTitle(QStringLiteral("Select Directory"));
  buildLayout();
  resize(364, 419);
  FormCreate();
}

void TDialogSelectDirectoryForm::buildLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  pathLine_ = new QLabel(this);
  pathLine_->setObjectName(QStringLiteral("Panel1"));
  pathLine_->setMinimumHeight(17);
  // The window widens itself for a long path; the line must not force it.
  pathLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  pathLine_->setContentsMargins(4, 0, 4, 0);
  layout->addWidget(pathLine_);

  auto* favouritesRow = new QHBoxLayout;
  favouritesRow->setSpacing(0);
  auto* folderPicture = new QLabel(this);
  folderPicture->setObjectName(QStringLiteral("Image1"));
  folderPicture->setFixedSize(21, 21);
  folderPicture->setPixmap(style()->standardIcon(QStyle::SP_DirIcon).pixmap(16, 16));
  folderPicture->setAlignment(Qt::AlignCenter);
  cbFavDirs_ = new QComboBox(this);
  cbFavDirs_->setObjectName(QStringLiteral("cbFavDirs"));
  cbFavDirs_->setEditable(true);
  cbFavDirs_->setInsertPolicy(QComboBox::NoInsert);
  auto* addButton = MakeButton(QStringLiteral("Button4"), QStringLiteral("+ Add Favieorit Dir"), this);
  addButton->setFixedWidth(100);
  favouritesRow->addWidget(folderPicture);
  favouritesRow->addWidget(cbFavDirs_, 1);
  favouritesRow->addWidget(addButton);
  layout->addLayout(favouritesRow);

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_->setRootPath(QStringLiteral("/"));
  cxShellTreeView1_ = new QTreeView(this);
  cxShellTreeView1_->setObjectName(QStringLiteral("cxShellTreeView1"));
  cxShellTreeView1_->setModel(folders_);
  cxShellTreeView1_->setIndentation(19);
  cxShellTreeView1_->setHeaderHidden(true);
  for (int column = 1; column < folders_->columnCount(); ++column) {
    cxShellTreeView1_->hideColumn(column);
  }
  layout->addWidget(cxShellTreeView1_, 1);

  auto* buttonRow = new QHBoxLayout;
  buttonRow->setContentsMargins(16, 5, 16, 5);
  buttonRow->setSpacing(6);
  auto* okButton = MakeButton(QStringLiteral("Button1"), QStringLiteral("&OK"), this);
  auto* cancelButton = MakeButton(QStringLiteral("Button2"), QStringLiteral("&Cancel"), this);
  auto* originalButton = MakeButton(QStringLiteral("Button3"), QStringLiteral("Original Directory"), this);
  for (QPushButton* button : {okButton, cancelButton, originalButton}) {
    button->setMinimumSize(100, 25);
    buttonRow->addWidget(button);
  }
  buttonRow->addStretch(1);
  layout->addLayout(buttonRow);

  connect(cxShellTreeView1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TDialogSelectDirectoryForm::cxShellTreeView1Change);
  connect(cbFavDirs_, &QComboBox::editTextChanged, this, &TDialogSelectDirectoryForm::cbFavDirsChange);
  connect(addButton, &QPushButton::clicked, this, &TDialogSelectDirectoryForm::Button4Click);
  connect(okButton, &QPushButton::clicked, this, &TDialogSelectDirectoryForm::Button1Click);
  connect(cancelButton, &QPushButton::clicked, this, &TDialogSelectDirectoryForm::Button2Click);
}

void TDialogSelectDirectoryForm::FormCreate() {
  try {
    const FavouritesList favourites = ReadFavouritesFile(favouritesFileName_);
    favouritesEncoding_ = favourites.encoding;
    const QSignalBlocker quiet(cbFavDirs_);
    cbFavDirs_->addItems(favourites.items);
    cbFavDirs_->setCurrentIndex(-1);
  } catch (const Error& error) {
    reportError_(this, error.message());
  }
}

void TDialogSelectDirectoryForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TDialogSelectDirectoryForm::FormShow() {
  selectPath(directory_);
  cxShellTreeView1_->setFocus();
}

QString TDialogSelectDirectoryForm::selectedPath() const {
  const QModelIndex current = cxShellTreeView1_->currentIndex();
  return current.isValid() ? folders_->filePath(current) : QString();
}

void TDialogSelectDirectoryForm::selectPath(const QString& path) {
  if (!QDir::isAbsolutePath(path) || !QFileInfo(path).isDir()) return;
  const QModelIndex index = folders_->index(QDir::cleanPath(path));
  if (!index.isValid()) return;
  cxShellTreeView1_->setCurrentIndex(index);
  cxShellTreeView1_->scrollTo(index);
}

void TDialogSelectDirectoryForm::cxShellTreeView1Change() {
  const QString path = selectedPath();
  pathLine_->setText(path);
  const int needed = fontMetrics().horizontalAdvance(path) + 10;
  const int outerWidth = frameGeometry().width();
  if (needed > outerWidth) resize(width() + needed - outerWidth, height());
}

void TDialogSelectDirectoryForm::cbFavDirsChange(const QString& text) {
  selectPath(text);
  cxShellTreeView1_->setFocus();
}

void TDialogSelectDirectoryForm::Button4Click() {
  const QString path = selectedPath();
  cbFavDirs_->addItem(path);
  cbFavDirs_->setEditText(path);
}

void TDialogSelectDirectoryForm::Button1Click() {
  directory_ = selectedPath();
  FavouritesList favourites{{}, favouritesEncoding_};
  for (int i = 0; i < cbFavDirs_->count(); ++i) favourites.items.append(cbFavDirs_->itemText(i));
  try {
    WriteFavouritesFile(favouritesFileName_, favourites);
  } catch (const Error& error) {
    reportError_(this, error.message());
  }
  accept();
}

void TDialogSelectDirectoryForm::Button2Click() { reject(); }

}  // namespace quillora
