#include "bench/BenchWindow.h"

#include "tracks/TrackTableModel.h"
#include "tracks/Workspace.h"

#include <QApplication>
#include <QMessageBox>

namespace quillora::bench {

namespace {

class SilentPlayer : public SoundPlayer {
 public:
  void play(const QString&) override {}
};

}  // namespace

BenchWindow::BenchWindow(const QString& programFolder)
    : TForm1(WindowPaths{programFolder}, std::make_unique<SilentPlayer>()) {
  // A dialog the window opens by itself (an error) would wait for a click
  // forever: close it and keep its text.
  connect(&dialogCloser_, &QTimer::timeout, this, [this] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      const auto* box = qobject_cast<QMessageBox*>(modal);
      unexpected_ << (box ? box->text() : modal->objectName());
      modal->close();
    }
  });
  dialogCloser_.start(200);
  resize(1200, 800);
  show();
  QCoreApplication::processEvents();
}

void BenchWindow::refresh(const QString& folder) {
  setFolder(folder);
  btnRefreshClick();
}

void BenchWindow::commit() { btnCommitClick(); }

int BenchWindow::setEveryCell(const QString& caption, const QString& value) {
  TrackTableModel* model = trackModel();
  int column = -1;
  for (int c = 0; c < model->columnCount(); ++c)
    if (model->headerData(c, Qt::Horizontal).toString() == caption) column = c;
  if (column < 0) return 0;
  int changed = 0;
  for (int row = 0; row < model->rowCount(); ++row)
    if (model->setData(model->index(row, column), value)) ++changed;
  return changed;
}

int BenchWindow::rows() const { return trackModel()->rowCount(); }

qint64 BenchWindow::valueTextBytes() {
  const MemTable& table = workspace().tracks.JvMemoryData1;
  qint64 bytes = 0;
  for (int row = 0; row < table.rowCount(); ++row)
    for (int column = 0; column < table.columnCount(); ++column)
      bytes += qint64(table.value(row, column).toString().size()) * qint64(sizeof(QChar));
  return bytes;
}

void BenchWindow::showMessage(const QString& text, const QString&) { lastMessage_ = text; }

bool BenchWindow::confirm(const QString& text, const QString&) {
  lastMessage_ = text;
  return true;
}

}  // namespace quillora::bench
