// Loading a folder into the track grid, the fields panel following the
// focused file, and the fields panel's ViewCheck showing and hiding columns.
#include "WindowFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace quillora {
namespace {

class TrackGridTest : public WindowFixture {};

TEST_F(TrackGridTest, AMixedFolderShowsEachFilesValuesInTheSameColumns) {
  open();
  const QString folder = makeFolder(QStringLiteral("Mixed"), {{"v23.mp3", "a.mp3"},
                                                              {"tagged.flac", "b.flac"},
                                                              {"tagged.m4a", "c.m4a"}});
  selectAndLoad(folder);
  ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
  EXPECT_EQ(window->Edit1->text(), folder);
  ASSERT_EQ(window->trackProxy()->rowCount(), 3);
  EXPECT_EQ(window->cxGridMP3->columnWidth(0), 50) << "loading keeps the FileName column's width";

  struct Expected {
    const char* file;
    const char* title;
    const char* album;
  };
  const Expected files[] = {
      {"a.mp3", "Привет мир", "Группа крови"}, {"b.flac", "שיר", "אלבום"}, {"c.m4a", "שיר", "אוסף"}};
  for (const Expected& file : files) {
    SCOPED_TRACE(file.file);
    EXPECT_EQ(cellText(file.file, kTitle), QString::fromUtf8(file.title));
    EXPECT_EQ(cellText(file.file, kAlbum), QString::fromUtf8(file.album));
  }
  const TrackColumns& columns = window->workspace().tracks.cxGridMP3;
  for (int field : {kTitle, kAlbum}) {
    int shown = 0;
    for (int c = 0; c < columns.count(); ++c) shown += columns.at(c).fieldName == TrackFieldName(field);
    EXPECT_EQ(shown, 1) << "one column for field " << field;
    EXPECT_FALSE(window->cxGridMP3->isColumnHidden(gridColumn(field)));
    EXPECT_GT(window->cxGridMP3->columnWidth(gridColumn(field)), 0);
  }

  // The first file has the focus; the fields panel follows the focused file.
  for (const auto& [file, mediaType] : {std::pair{"a.mp3", 1}, std::pair{"b.flac", 4}}) {
    SCOPED_TRACE(file);
    if (QString::fromLatin1(file) != "a.mp3") focus(QString::fromLatin1(file));
    const int rows = window->cxGrid2->model()->rowCount();
    ASSERT_GT(rows, 0);
    for (int r = 0; r < rows; ++r) EXPECT_EQ(panelValue(r, "MediaTypeID").toInt(), mediaType);
  }
}

TEST_F(TrackGridTest, TickingViewCheckAddsAColumnThenHidesAndShowsIt) {
  open();
  selectAndLoad(makeFolder(QStringLiteral("Album"), {{"v23.mp3", "a.mp3"}}));
  ASSERT_EQ(gridColumn(kGenre), -1) << "the file has no genre";
  const int columnsBefore = window->trackProxy()->columnCount();

  tick(kGenre);
  const int genre = gridColumn(kGenre);
  ASSERT_EQ(genre, columnsBefore) << "a new column at the end";
  EXPECT_FALSE(window->cxGridMP3->isColumnHidden(genre));
  EXPECT_EQ(window->trackProxy()->headerData(genre, Qt::Horizontal).toString(), "Genre");
  EXPECT_EQ(cellText("a.mp3", kTitle), "Привет мир") << "the rows survive the new column";

  for (bool checked : {false, true, false}) {
    SCOPED_TRACE(checked);
    tick(kGenre, checked);
    EXPECT_EQ(gridColumn(kGenre), genre) << "no second column";
    EXPECT_EQ(window->trackProxy()->columnCount(), columnsBefore + 1);
    EXPECT_EQ(window->cxGridMP3->isColumnHidden(genre), !checked);
  }
}

}  // namespace
}  // namespace quillora
