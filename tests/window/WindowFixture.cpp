#include "WindowFixture.h"

#include "tracks/FieldMapModel.h"
#include "tracks/TrackList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolButton>
#include <QPushButton>

#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

namespace quillora {

WindowFixture::WindowFixture() : previousDirectory_(QDir::currentPath()) {
  // The field files go to the current directory, never the program's folder.
  QDir::setCurrent(workDir_.path());
}

WindowFixture::~WindowFixture() {
  window.reset();
  QDir::setCurrent(previousDirectory_);
}

void WindowFixture::open(const QString& engineLibrary) {
  WindowPaths paths{programDir_.path(), engineLibrary};
  window = std::make_unique<TestWindow>(paths, dialogs);
  window->show();
  QCoreApplication::processEvents();
}

void WindowFixture::closeAndDestroy() {
  window->close();
  window.reset();
}

QString WindowFixture::makeFolder(const QString& name, FolderFiles files) {
  const QString folder = workDir_.filePath(name);
  EXPECT_TRUE(QDir().mkpath(folder));
  for (const auto& [fixture, target] : files) {
    const QString copy = folder + QLatin1Char('/') + QLatin1String(target);
    EXPECT_TRUE(QFile::copy(QStringLiteral(QUILLORA_TEST_DATA "/") + QLatin1String(fixture), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
  }
  return folder;
}

void WindowFixture::selectAndLoad(const QString& folder) {
  dialogs.directory = folder;
  window->Button1->click();
}

int WindowFixture::gridRow(const QString& fileName) const {
  const QAbstractItemModel* grid = window->trackProxy();
  for (int r = 0; r < grid->rowCount(); ++r)
    if (grid->index(r, 0).data().toString() == fileName) return r;
  ADD_FAILURE() << "the grid lists no " << fileName.toStdString();
  return -1;
}

int WindowFixture::gridColumn(int fieldId) const {
  return window->workspace().tracks.FindTrackColumn(TrackFieldName(fieldId));
}

QModelIndex WindowFixture::cell(const QString& fileName, int fieldId) const {
  const int column = gridColumn(fieldId);
  if (column < 0) return {};
  return window->trackProxy()->index(gridRow(fileName), column);
}

QString WindowFixture::cellText(const QString& fileName, int fieldId) const {
  return cell(fileName, fieldId).data().toString();
}

bool WindowFixture::isBold(const QModelIndex& index) const {
  return index.data(Qt::FontRole).value<QFont>().bold();
}

void WindowFixture::focus(const QString& fileName) {
  window->cxGridMP3->setCurrentIndex(window->trackProxy()->index(gridRow(fileName), 0));
}

namespace {
int panelColumn(const QString& fieldName) {
  const auto& columns = FieldMapModel::panelColumns();
  for (int c = 0; c < columns.size(); ++c)
    if (columns[c].fieldName == fieldName) return c;
  ADD_FAILURE() << "the fields panel has no column " << fieldName.toStdString();
  return -1;
}
}  // namespace

QVariant WindowFixture::panelValue(int row, const QString& fieldName) const {
  const QAbstractItemModel* panel = window->cxGrid2->model();
  return panel->index(row, panelColumn(fieldName)).data(Qt::EditRole);
}

void WindowFixture::tick(int fieldId, bool checked) {
  QAbstractItemModel* panel = window->cxGrid2->model();
  const auto box = [&]() -> QModelIndex {
    for (int r = 0; r < panel->rowCount(); ++r)
      if (panelValue(r, QStringLiteral("FieldID")).toInt() == fieldId)
        return panel->index(r, panelColumn(QStringLiteral("ViewCheck")));
    return {};
  };
  ASSERT_TRUE(box().isValid()) << "the fields panel shows no field " << fieldId;
  ASSERT_TRUE(panel->flags(box()) & Qt::ItemIsUserCheckable) << "field " << fieldId;
  panel->setData(box(), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
  QCoreApplication::processEvents();
  ASSERT_TRUE(box().isValid()) << "the fields panel still shows field " << fieldId;
  EXPECT_EQ(box().data(Qt::CheckStateRole).toInt(), checked ? Qt::Checked : Qt::Unchecked);
}

QString TagProperty(const QString& file, const char* key) {
  TagLib::FileRef ref(QFile::encodeName(file).constData());
  if (ref.isNull() || !ref.file()) return {};
  const TagLib::PropertyMap properties = ref.file()->properties();
  const auto found = properties.find(key);
  if (found == properties.end()) return {};
  return QString::fromStdString(found->second.toString(" / ").to8Bit(true));
}

bool HasNoTagProperties(const QString& file) {
  TagLib::FileRef ref(QFile::encodeName(file).constData());
  return ref.isNull() || !ref.file() || ref.file()->properties().isEmpty();
}

}  // namespace quillora
