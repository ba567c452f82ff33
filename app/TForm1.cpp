#include "app/TForm1.h"

#include "app/BusyIndicator.h"
#include "app/Feedback.h"
#include "app/FeedbackSounds.h"
#include "app/FieldsPanelCaptions.h"
#include "app/TrackGridProxy.h"
#include "commands/BatchUpdate.h"
#include "commands/Commit.h"
#include "commands/CommitClear.h"
#include "commands/SuggestFromFolder.h"
#include "commands/SuggestFromTag.h"
#include "dialogs/About.h"
#include "dialogs/SelectDirectory.h"
#include "fields/Error.h"
#include "fields/FieldFiles.h"
#include "tracks/FieldMapModel.h"
#include "tracks/FocusedTrack.h"
#include "tracks/FolderScan.h"
#include "tracks/TrackTableModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace quillora {

namespace {
int tagOf(const QObject* sender) { return sender ? sender->property("Tag").toInt() : 0; }
}  // namespace

TForm1::TForm1(const WindowPaths& paths, std::unique_ptr<SoundPlayer> player, QWidget* parent)
    : QMainWindow(parent), paths_(paths) {
  buildControls();
  player_ = player ? std::move(player) : std::make_unique<SoundEffectPlayer>();
  feedback_ = std::make_unique<Feedback>(*PaintBox1, *player_, paths_.programFolder);
  FormCreate();
  bindModels();
  followFocusedTrack();
  About = new TAbout(this);
  qApp->installEventFilter(this);
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  FormDestroy();
  releaseModels();
}

// The models read the workspace, a member that is gone before QWidget and
// QObject destroy the views and the models; a view that repaints or
// measures itself on the way out would read freed tables. So the views let
// go of their models and the models go first.
void TForm1::releaseModels() {
  QAbstractItemModel* panel = cxGrid2->model();
  cxGridMP3->setModel(nullptr);
  cxGrid2->setModel(nullptr);
  delete trackProxy_;
  delete panel;
  delete trackModel_;
  delete fieldMapModel_;
  trackProxy_ = nullptr;
  trackModel_ = nullptr;
  fieldMapModel_ = nullptr;
}

// The tag object and the field files. A failing step is reported and the
// others still run, so the window opens with as much as could be had; the
// commands then say what is missing.
void TForm1::FormCreate() {
  try {
    ws_.CreateTagObject(paths_.engineLibrary);
  } catch (const Error& e) {
    creationErrors_ << e.message();
  }
  for (const QString& error : LoadFieldFiles(ws_.fields)) creationErrors_ << error;
}

void TForm1::FormDestroy() {
  // The window is being destroyed: no virtual call and no parent here.
  for (const QString& error : SaveFieldFiles(ws_.fields))
    QMessageBox::critical(nullptr, QStringLiteral("Quillora"), error);
}

void TForm1::FormShow() {
  settings_ = ReadSettings(SettingsFileName(paths_.programFolder));
  Edit1->setText(settings_.tracksPath);
  cbPictures->setChecked(settings_.pictures);
  cbAppendPictures->setChecked(settings_.picturesFlag);
  ws_.tracks.cxGridMP3.setWidth(0, settings_.fileNameWidth);
  applyColumns();
}

void TForm1::FormClose() {
  settings_.tracksPath = Edit1->text();
  settings_.pictures = cbPictures->isChecked();
  settings_.picturesFlag = cbAppendPictures->isChecked();
  settings_.fileNameWidth = ws_.tracks.cxGridMP3.at(0).width;
  try {
    WriteSettings(SettingsFileName(paths_.programFolder), settings_);
  } catch (const Error& e) {
    showError(e.message());
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
  if (!creationErrors_.isEmpty())
    QMetaObject::invokeMethod(
        this, [this] { showError(creationErrors_.join(QLatin1Char('\n'))); }, Qt::QueuedConnection);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (running_ || !mayDiscardPendingChanges()) {
    if (running_) stopRequested_ = true;
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (running_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    stopRequested_ = true;
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::bindModels() {
  trackModel_ = new TrackTableModel(ws_.tracks, this);
  trackProxy_ = new TrackGridProxy(this);
  trackProxy_->setSourceModel(trackModel_);
  cxGridMP3->setModel(trackProxy_);
  cxGridMP3->sortByColumn(-1, Qt::AscendingOrder);
  fieldMapModel_ = new FieldMapModel(ws_, this);
  auto* panel = new FieldsPanelCaptions(this);
  panel->setSourceModel(fieldMapModel_);
  cxGrid2->setModel(panel);
  // The columns fill the panel: the texts share the width, the check boxes
  // and the media type take what they need.
  const auto& panelColumns = FieldMapModel::panelColumns();
  for (int c = 0; c < panelColumns.size(); ++c) {
    cxGrid2->setColumnHidden(c, !panelColumns[c].shown);
    const bool text = panelColumns[c].fieldName.endsWith(QLatin1String("Value")) ||
                      panelColumns[c].fieldName == QLatin1String("FieldName");
    cxGrid2->horizontalHeader()->setSectionResizeMode(
        c, text ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
  }
  // Ticking a field that has no column yet leaves the field map filtered to
  // that one field; the panel is given its media type's rows back.
  connect(fieldMapModel_, &QAbstractItemModel::dataChanged, this,
          [this] { if (!running_) followFocusedTrack(); }, Qt::QueuedConnection);
  connect(fieldMapModel_, &FieldMapModel::failed, this,
          [this](const QString& message) { showError(message); });

  connect(&ws_.tracks.cxGridMP3, &TrackColumns::columnInserted, this, [this] { applyColumns(); });
  connect(&ws_.tracks.cxGridMP3, &TrackColumns::columnChanged, this, [this] { applyColumns(); });
  connect(trackModel_, &QAbstractItemModel::modelReset, this, [this] { applyColumns(); updateTitle(); });
  connect(cxGridMP3->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int position, int, int width) { columnResized(position, width); });
  // A running command changes many cells; the title follows once it ends.
  connect(trackModel_, &QAbstractItemModel::dataChanged, this, [this] { if (!running_) updateTitle(); });
  connect(cxGridMP3->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            const QModelIndex name = trackProxy_->index(current.row(), 0);
            cxGridMP3FocusedRecordChanged(ws_, name.data().toString());
          });
  connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(btnRefresh, &QPushButton::clicked, this, &TForm1::btnRefreshClick);
  connect(btnSuggest, &QToolButton::clicked, this, &TForm1::btnSuggestClick);
  connect(btnBatch, &QToolButton::clicked, this, &TForm1::btnBatchClick);
  connect(btnClearFields, &QToolButton::clicked, this, &TForm1::btnClearFieldsClick);
  connect(btnSetTrackNTitle, &QToolButton::clicked, this, &TForm1::btnSetTrackNTitleClick);
  connect(btnAutoLoadPictures, &QToolButton::clicked, this, &TForm1::btnAutoLoadPicturesClick);
  connect(btnCommit, &QToolButton::clicked, this, &TForm1::btnCommitClick);
  connect(btnSetAlbumBatch, &QToolButton::clicked, this, &TForm1::btnSetAlbumBatchClick);
  connect(btnCommitClear, &QPushButton::clicked, this, &TForm1::btnCommitClearClick);
  connect(btnSetTrackWithoutArtist, &QPushButton::clicked, this, &TForm1::btnSetTrackWithoutArtistClick);
}

// A model reset gives every header section its default size again, so the
// widths live in the column list and the grid is given them anew.
void TForm1::applyColumns() {
  const TrackColumns& columns = ws_.tracks.cxGridMP3;
  for (int c = 0; c < columns.count() && c < trackModel_->columnCount(); ++c) {
    cxGridMP3->setColumnHidden(c, !columns.at(c).visible);
    if (columns.at(c).visible) cxGridMP3->setColumnWidth(c, columns.at(c).width);
  }
}

// The user's widths go back into the column list; hiding a column is no resize.
void TForm1::columnResized(int position, int width) {
  TrackColumns& columns = ws_.tracks.cxGridMP3;
  if (width <= 0 || position >= columns.count() || cxGridMP3->isColumnHidden(position)) return;
  columns.setWidth(position, width);
}

void TForm1::updateTitle() {
  const QString title = ws_.tracks.hasPendingChanges() ? QStringLiteral("Quillora*") : QStringLiteral("Quillora");
  if (windowTitle() != title) setWindowTitle(title);
}

bool TForm1::mayDiscardPendingChanges() {
  if (!ws_.tracks.hasPendingChanges()) return true;
  return confirm(QStringLiteral("Some changes have not been committed. Discard them?"),
                 QStringLiteral("Quillora"));
}

void TForm1::setCommandsEnabled(bool enabled) {
  for (QWidget* w : {static_cast<QWidget*>(Button1), static_cast<QWidget*>(btnRefresh),
                     static_cast<QWidget*>(CheckBox1), pnlMP3buttons, static_cast<QWidget*>(cxGrid2)})
    w->setEnabled(enabled);
}

template <typename Work>
void TForm1::runCommand(Work&& work) {
  if (running_) return;
  running_ = true;
  stopRequested_ = false;
  eventsHandled_.invalidate();
  setCommandsEnabled(false);
  try {
    work();
  } catch (const Error& e) {
    showError(e.message());
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
  setCommandsEnabled(true);
  running_ = false;
  updateTitle();
  if (!cxGridMP3->currentIndex().isValid()) focusFirstTrack();
  followFocusedTrack();
}

// The fields panel shows the rows of the focused file's media type, none
// when no file is focused. Commands and new columns leave the field map
// filtered to a single field; the panel gets the whole media type back, so
// the rows that the next command works on are the rows the user sees.
void TForm1::followFocusedTrack() {
  const QModelIndex current = cxGridMP3->currentIndex();
  FieldModel& fields = ws_.fields;
  const int mediaType =
      current.isValid() ? fields.MediaTypeOfFile(trackProxy_->index(current.row(), 0).data().toString()) : -1;
  const MemTable& map = fields.mdFieldsInternal;
  int rowsOfType = 0;
  for (int row = 0; row < map.rowCount(); ++row)
    rowsOfType += map.value(row, fields.fm().MediaTypeID).toInt() == mediaType ? 1 : 0;
  bool shown = map.isFiltered() && map.visibleCount() == rowsOfType;
  for (int position = 0; shown && position < map.visibleCount(); ++position)
    shown = map.value(map.visibleRow(position), fields.fm().MediaTypeID).toInt() == mediaType;
  if (!shown) fields.FilterFieldMap(-1, mediaType, -1);
}

// After a load the first file has the focus, so the fields panel shows its
// media type's rows.
void TForm1::focusFirstTrack() {
  if (trackProxy_->rowCount() > 0) cxGridMP3->setCurrentIndex(trackProxy_->index(0, 0));
}

void TForm1::Button1Click() {
  if (!mayDiscardPendingChanges()) return;
  const std::optional<QString> chosen = chooseDirectory(Edit1->text());
  if (!chosen) return;
  runCommand([&] { FolderScan(ws_, *this).Button1Click(*chosen); });
}

void TForm1::btnRefreshClick() {
  if (!mayDiscardPendingChanges()) return;
  runCommand([&] { FolderScan(ws_, *this).btnRefreshClick(); });
}

void TForm1::btnSuggestClick() { runCommand([&] { quillora::btnSuggestClick(ws_, *this, tagOf(btnSuggest)); }); }
void TForm1::btnBatchClick() { runCommand([&] { quillora::btnBatchClick(ws_, *this, tagOf(btnBatch)); }); }
void TForm1::btnSetAlbumBatchClick() { runCommand([&] { quillora::btnSetAlbumBatchClick(ws_, *this); }); }

void TForm1::btnCommitClick() {
  runCommand([&] { quillora::btnCommitClick(ws_, *this, tagOf(btnCommit), cbEraseTag->isChecked()); });
}

void TForm1::btnCommitClearClick() {
  runCommand([&] { quillora::btnCommitClearClick(ws_, *this, tagOf(btnCommitClear)); });
}

void TForm1::btnSetTrackNTitleClick() {
  runCommand([&] { feedback_->NameToIDTag(tagOf(btnSetTrackNTitle), true); });
}

void TForm1::btnSetTrackWithoutArtistClick() {
  runCommand([&] { feedback_->NameToIDTag(tagOf(btnSetTrackWithoutArtist), false); });
}

// The "About" tab acts as a button: back to "Meta Tags", then the About window.
void TForm1::PageControl1Change(int index) {
  if (index != PageControl1->indexOf(TabSheet1)) return;
  PageControl1->setCurrentWidget(MP3s);
  About->exec();
}

// Host

QString TForm1::folder() const { return Edit1->text(); }
void TForm1::setFolder(const QString& folder) { Edit1->setText(folder); }
bool TForm1::includeSubdirectories() const { return CheckBox1->isChecked(); }
void TForm1::setStatusText(const QString& text) { StatusPanel[0]->setText(text); }
// Commands call this after every file. The grid is repainted and input read
// at most every 100 ms: a repaint costs many times what reading a small file
// does, and the grid's rows grow with every file.
void TForm1::processEvents() {
  if (eventsHandled_.isValid() && eventsHandled_.elapsed() < 100) return;
  QCoreApplication::processEvents();
  eventsHandled_.start();
}

std::vector<int> TForm1::displayedRows() const {
  std::vector<int> rows;
  rows.reserve(size_t(trackProxy_->rowCount()));
  for (int r = 0; r < trackProxy_->rowCount(); ++r)
    rows.push_back(trackProxy_->mapToSource(trackProxy_->index(r, 0)).row());
  return rows;
}

void TForm1::StartFeedback(int tag) { feedback_->StartFeedback(tag); }
void TForm1::EndFeedback(int tag) { feedback_->EndFeedback(tag); }
void TForm1::StepBusyIndicator() { feedback_->StepBusyIndicator(); }

void TForm1::showMessage(const QString& text, const QString& caption) {
  QMessageBox::information(this, caption, text);
}

bool TForm1::confirm(const QString& text, const QString& caption) {
  return QMessageBox::question(this, caption, text) == QMessageBox::Yes;
}

void TForm1::showError(const QString& text) { QMessageBox::critical(this, QStringLiteral("Quillora"), text); }

std::optional<QString> TForm1::chooseDirectory(const QString& start) {
  TDialogSelectDirectoryForm chooser(
      paths_.programFolder,
      [this](QWidget*, const QString& message) { showError(message); }, this);
  chooser.setDirectory(start);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.Directory();
}

}  // namespace quillora
