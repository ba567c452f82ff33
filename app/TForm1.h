// The main window: the composition root of the program. It owns the
// workspace (tables, tag object, track list), the settings lists and the
// widgets; its handlers are short and call the track list and the commands.
#pragma once

#include "app/FeedbackSounds.h"
#include "app/Settings.h"
#include "tracks/Host.h"
#include "tracks/Workspace.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QToolButton;
class QWidget;

namespace quillora {

class BusyIndicator;
class Feedback;
class FieldMapModel;
class TAbout;
class TrackTableModel;

// Where the window finds and keeps its files; tests point these elsewhere.
struct WindowPaths {
  QString programFolder;  // settings file, favourites, feedback sounds
  QString engineLibrary = QStringLiteral(QUILLORA_ENGINE_LIBRARY);  // the tag engine
};

class TForm1 : public QMainWindow, public Host {
  Q_OBJECT
 public:
  explicit TForm1(const WindowPaths& paths, std::unique_ptr<SoundPlayer> player = nullptr,
                  QWidget* parent = nullptr);
  ~TForm1() override;

  // Errors met while the window was created, shown once it is visible.
  const QStringList& creationErrors() const { return creationErrors_; }

  // Host
  QString folder() const override;
  void setFolder(const QString& folder) override;
  bool includeSubdirectories() const override;
  void setStatusText(const QString& text) override;
  void processEvents() override;
  bool stopRequested() const override { return stopRequested_; }
  std::vector<int> displayedRows() const override;
  void StartFeedback(int tag) override;
  void EndFeedback(int tag) override;
  void StepBusyIndicator() override;
  void showMessage(const QString& text, const QString& caption) override;
  bool confirm(const QString& text, const QString& caption) override;

  Workspace& workspace() { return ws_; }
  TrackTableModel* trackModel() const { return trackModel_; }
  FieldMapModel* fieldMapModel() const { return fieldMapModel_; }
  QSortFilterProxyModel* trackProxy() const { return trackProxy_; }

  // Controls, named as the program's documentation names them.
  QLabel* StatusPanel[3] = {};
  QTabWidget* PageControl1 = nullptr;
  QWidget* MP3s = nullptr;
  QWidget* TabSheet1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* btnRefresh = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QWidget* pnlBatch = nullptr;
  QWidget* pnlBatchFields = nullptr;
  BusyIndicator* PaintBox1 = nullptr;
  QTableView* cxGrid2 = nullptr;
  QCheckBox* cbPictures = nullptr;
  QPushButton* btnEnhanced = nullptr;
  QCheckBox* cbAppendPictures = nullptr;
  QTableView* cxGridMP3 = nullptr;
  QWidget* pnlMP3buttons = nullptr;
  QToolButton* btnSuggest = nullptr;
  QToolButton* btnEditID = nullptr;
  QToolButton* btnBatch = nullptr;
  QToolButton* btnClearFields = nullptr;
  QToolButton* btnSetTrackNTitle = nullptr;
  QToolButton* btnAutoLoadPictures = nullptr;
  QToolButton* btnCommit = nullptr;
  QToolButton* btnSetAlbumBatch = nullptr;
  QPushButton* btnCommitClear = nullptr;
  QPushButton* btnSetTrackWithoutArtist = nullptr;
  QCheckBox* cbEraseTag = nullptr;

 public slots:
  void Button1Click();
  void btnRefreshClick();
  void btnSuggestClick();
  void btnBatchClick();
  void btnClearFieldsClick() {}
  void btnSetTrackNTitleClick();
  void btnSetTrackWithoutArtistClick();
  void btnAutoLoadPicturesClick() {}
  void btnCommitClick();
  void btnSetAlbumBatchClick();
  void btnCommitClearClick();
  void PageControl1Change(int index);

 protected:
  // The window's own dialogs; tests answer them in place of a user.
  virtual void showError(const QString& text);
  // The directory chooser, started at a folder; empty when cancelled.
  virtual std::optional<QString> chooseDirectory(const QString& start);

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildCommandStrip();
  void buildFieldsColumn();
  void bindModels();
  void releaseModels();
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  // Runs a command with the window's commands disabled, showing any error
  // it raises in a message box.
  template <typename Work>
  void runCommand(Work&& work);
  void setCommandsEnabled(bool enabled);
  bool mayDiscardPendingChanges();
  void updateTitle();
  void focusFirstTrack();
  void followFocusedTrack();
  // Shows the column list's visibility and widths in the grid.
  void applyColumns();
  void columnResized(int position, int width);

  WindowPaths paths_;
  Workspace ws_;
  AppSettings settings_;
  std::unique_ptr<SoundPlayer> player_;
  std::unique_ptr<Feedback> feedback_;
  TrackTableModel* trackModel_ = nullptr;
  QSortFilterProxyModel* trackProxy_ = nullptr;
  FieldMapModel* fieldMapModel_ = nullptr;
  TAbout* About = nullptr;
  QStringList creationErrors_;
  bool shown_ = false;
  bool running_ = false;
  QElapsedTimer eventsHandled_;  // since the last processEvents that ran
  bool stopRequested_ = false;
};

}  // namespace quillora
