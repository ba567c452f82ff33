// The main window's controls and their layout.
#include "app/TForm1.h"

#include "app/BusyIndicator.h"
#include "app/TallButton.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace quillora {

namespace {

QWidget* panel(const char* name, QWidget* parent) {
  auto* widget = new QWidget(parent);
  widget->setObjectName(QLatin1String(name));
  return widget;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

// A column of widgets edge to edge: no margins, no spacing.
QVBoxLayout* flatColumn(QWidget* widget) {
  auto* column = new QVBoxLayout(widget);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  return column;
}

// Without a desktop session the platform names no icon theme; a common
// freedesktop theme, when installed, still gives clearer icons than the
// style's own.
void preferInstalledIconTheme() {
  if (!QIcon::hasThemeIcon(QStringLiteral("folder"))) QIcon::setThemeName(QStringLiteral("Adwaita"));
}

// The theme's icon when the desktop has one, else one that Qt bundles.
QIcon themedIcon(const QWidget* widget, const char* themeName, QStyle::StandardPixmap fallback) {
  return QIcon::fromTheme(QLatin1String(themeName), widget->style()->standardIcon(fallback));
}

}  // namespace

void TForm1::buildControls() {
  setWindowTitle(QStringLiteral("Quillora"));
  preferInstalledIconTheme();
  setWindowIcon(themedIcon(this, "audio-x-generic", QStyle::SP_MediaVolume));
  // Room for a few columns, the fields panel and the busy ring band.
  resize(1000, 620);
  setMinimumSize(860, 520);

  auto* status = named(new QStatusBar(this), "StatusBar1");
  const int widths[3] = {200, 400, 50};
  for (int i = 0; i < 3; ++i) {
    StatusPanel[i] = new QLabel(status);
    StatusPanel[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
    StatusPanel[i]->setMinimumWidth(widths[i]);
    status->addWidget(StatusPanel[i], i == 1 ? 1 : 0);
  }
  setStatusBar(status);

  PageControl1 = named(new QTabWidget(this), "PageControl1");
  PageControl1->setDocumentMode(true);
  MP3s = panel("MP3s", PageControl1);
  TabSheet1 = panel("TabSheet1", PageControl1);
  PageControl1->addTab(MP3s, QStringLiteral("Meta Tags"));
  PageControl1->addTab(TabSheet1, QStringLiteral("About"));
  setCentralWidget(PageControl1);

  auto* page = flatColumn(MP3s);

  QWidget* panel1 = panel("Panel1", MP3s);
  panel1->setFixedHeight(36);
  auto* strip = new QHBoxLayout(panel1);
  strip->setContentsMargins(3, 3, 3, 3);
  strip->setSpacing(6);
  Edit1 = named(new QLineEdit(panel1), "Edit1");
  Edit1->setReadOnly(true);
  CheckBox1 = named(new QCheckBox(QStringLiteral("Include Subdirectories"), panel1), "CheckBox1");
  CheckBox1->setMinimumWidth(135);
  btnRefresh = named(new QPushButton(QStringLiteral("Refresh"), panel1), "btnRefresh");
  btnRefresh->setMinimumWidth(125);
  btnRefresh->setIcon(themedIcon(this, "view-refresh", QStyle::SP_BrowserReload));
  Button1 = named(new QPushButton(QStringLiteral("Select'n Load"), panel1), "Button1");
  Button1->setMinimumWidth(127);
  Button1->setIcon(themedIcon(this, "folder-open", QStyle::SP_DirOpenIcon));
  strip->addWidget(Edit1, 1);
  strip->addWidget(CheckBox1);
  strip->addWidget(btnRefresh);
  strip->addWidget(Button1);
  page->addWidget(panel1);

  QWidget* panel2 = panel("Panel2", MP3s);
  auto* body = flatColumn(panel2);
  auto* grids = new QHBoxLayout;
  grids->setSpacing(3);
  cxGridMP3 = named(new QTableView(panel2), "cxGridMP3");
  cxGridMP3->setSelectionBehavior(QAbstractItemView::SelectRows);
  cxGridMP3->setSelectionMode(QAbstractItemView::ExtendedSelection);
  cxGridMP3->setSortingEnabled(true);
  cxGridMP3->horizontalHeader()->setSectionsMovable(false);
  cxGridMP3->verticalHeader()->setDefaultSectionSize(cxGridMP3->fontMetrics().height() + 6);
  grids->addWidget(cxGridMP3, 1);
  buildFieldsColumn();
  grids->addWidget(pnlBatch);
  body->addLayout(grids, 1);
  buildCommandStrip();
  body->addWidget(pnlMP3buttons);
  page->addWidget(panel2, 1);

  auto* quit = new QAction(this);
  // Ctrl+Q on every desktop: some platform themes bind nothing to Quit.
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit, &QAction::triggered, this, &QWidget::close);
  addAction(quit);
}

void TForm1::buildFieldsColumn() {
  pnlBatch = panel("pnlBatch", nullptr);
  pnlBatch->setFixedWidth(380);
  auto* column = flatColumn(pnlBatch);

  pnlBatchFields = panel("pnlBatchFields", pnlBatch);
  auto* fields = flatColumn(pnlBatchFields);
  cxGrid2 = named(new QTableView(pnlBatchFields), "cxGrid2");
  cxGrid2->verticalHeader()->hide();
  cxGrid2->verticalHeader()->setDefaultSectionSize(cxGrid2->fontMetrics().height() + 6);
  // The columns fill the panel's width; nothing scrolls sideways.
  cxGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  cxGrid2->horizontalHeader()->setMinimumSectionSize(24);
  cxGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
  cxGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
  fields->addWidget(cxGrid2, 1);

  QWidget* panel6 = panel("Panel6", pnlBatchFields);
  panel6->setFixedHeight(33);
  auto* pictures = new QHBoxLayout(panel6);
  pictures->setContentsMargins(3, 3, 3, 3);
  cbPictures = named(new QCheckBox(QStringLiteral("Pictures"), panel6), "cbPictures");
  cbPictures->setChecked(true);
  btnEnhanced = named(new QPushButton(QStringLiteral("Load Pictures"), panel6), "btnEnhanced");
  cbAppendPictures = named(new QCheckBox(QStringLiteral("Append"), panel6), "cbAppendPictures");
  pictures->addWidget(cbPictures);
  pictures->addWidget(btnEnhanced);
  pictures->addWidget(cbAppendPictures);
  pictures->addStretch(1);
  fields->addWidget(panel6);
  column->addWidget(pnlBatchFields, 1);

  // The busy ring gets a band of its own below the fields panel, so it is
  // visible while a command runs; it places itself in that band. It names
  // itself PaintBox1 and starts hidden.
  column->addSpacing(150);
  PaintBox1 = new BusyIndicator(pnlBatch);
  PaintBox1->setFieldsColumn(pnlBatchFields);
}

void TForm1::buildCommandStrip() {
  pnlMP3buttons = panel("pnlMP3buttons", nullptr);
  pnlMP3buttons->setFixedHeight(83);
  auto* strip = new QHBoxLayout(pnlMP3buttons);
  strip->setContentsMargins(3, 3, 3, 3);
  strip->setSpacing(2);

  struct Tall {
    QToolButton** slot;
    const char* name;
    const char* caption;
    int tag;
    const char* theme;
    QStyle::StandardPixmap fallback;
  };
  const Tall tall[] = {
      {&btnSuggest, "btnSuggest", "Suggest From Folder", 10, "folder", QStyle::SP_DirIcon},
      {&btnEditID, "btnEditID", "Edit ID", 11, "document-properties", QStyle::SP_FileDialogDetailedView},
      {&btnBatch, "btnBatch", "Batch Update", 12, "edit-copy", QStyle::SP_FileDialogListView},
      {&btnClearFields, "btnClearFields", "Clear Fields", 13, "edit-clear", QStyle::SP_DialogResetButton},
      {&btnSetTrackNTitle, "btnSetTrackNTitle", "Set Track && Title", 14, "insert-text", QStyle::SP_FileDialogContentsView},
      {&btnAutoLoadPictures, "btnAutoLoadPictures", "Auto Load Pictures", 15, "image-x-generic", QStyle::SP_FileDialogInfoView},
      {&btnCommit, "btnCommit", "Commit Changes", 16, "document-save", QStyle::SP_DialogSaveButton},
      {&btnSetAlbumBatch, "btnSetAlbumBatch", "Suggest From IDTag", 17, "audio-x-generic", QStyle::SP_DriveCDIcon},
  };
  for (const Tall& t : tall) {
    auto* button = new TallButton(QLatin1String(t.caption), themedIcon(this, t.theme, t.fallback),
                                  pnlMP3buttons);
    button->setObjectName(QLatin1String(t.name));
    button->setProperty("Tag", t.tag);
    *t.slot = button;
    strip->addWidget(button);
  }
  strip->addStretch(1);

  auto* stack = new QVBoxLayout;
  stack->setSpacing(1);
  cbEraseTag = named(new QCheckBox(QStringLiteral("Erase Tag Before do commit to tracks"), pnlMP3buttons),
                     "cbEraseTag");
  // Unchecked at start: a real clear would erase every item the field map
  // does not carry (pictures, lyrics) at each commit.
  cbEraseTag->setChecked(false);
  btnCommitClear = named(new QPushButton(QStringLiteral("Commit Clear id3 tag"), pnlMP3buttons),
                         "btnCommitClear");
  btnCommitClear->setProperty("Tag", 18);
  btnSetTrackWithoutArtist = named(new QPushButton(QStringLiteral("Set Track without Artist"), pnlMP3buttons),
                                   "btnSetTrackWithoutArtist");
  btnSetTrackWithoutArtist->setProperty("Tag", 19);
  for (QPushButton* b : {btnCommitClear, btnSetTrackWithoutArtist}) b->setMinimumSize(140, 25);
  stack->addWidget(cbEraseTag);
  stack->addWidget(btnCommitClear);
  stack->addWidget(btnSetTrackWithoutArtist);
  strip->addLayout(stack);
}

}  // namespace quillora
