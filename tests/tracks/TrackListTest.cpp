// Filling rows from value lists, adding, showing and hiding columns, and the
// roll-back of a restructure that fails.
#include "TracksFixture.h"

#include "fields/Error.h"
#include "tracks/TrackList.h"

#include <QDateTime>
#include <QSignalSpy>

#include <functional>

namespace quillora {
namespace {

class TrackListTest : public TracksFixture {
 public:
  void tick(int fieldId, int mediaType, bool shown) {
    map().setValue(mapRow(fieldId, mediaType), fm().ViewCheck, shown);
  }
  bool columnVisible(int fieldId) const {
    const int position = ws.tracks.FindTrackColumn(TrackFieldName(fieldId));
    return position >= 0 && ws.tracks.cxGridMP3.at(position).visible;
  }
};

TEST_F(TrackListTest, FirstFileMakesItsColumnsInValueListOrderAndLinksTheFieldMap) {
  map().setValue(mapRow(kAlbum, kMpeg), fm().BatchCheck, true);
  openTracks();
  addRow("a.mp3", kMpeg, {"31=Album", "82=1999"});

  EXPECT_EQ(columnFields(), QStringList({"FileName", "Field31", "Field82"}));
  EXPECT_EQ(ws.tracks.cxGridMP3.at(1).caption, "Album");
  for (const auto& [field, position] : {std::pair{kAlbum, 1}, std::pair{kYear, 2}}) {
    EXPECT_EQ(mapValue(field, kMpeg, fm().ColumnIndex).toInt(), position);
    EXPECT_TRUE(mapValue(field, kMpeg, fm().ViewCheck).toBool());
    EXPECT_FALSE(mapValue(field, kMpeg, fm().BatchCheck).toBool());
  }
  EXPECT_EQ(cell(0, kAlbum).toString(), "Album");
  EXPECT_EQ(cell(0, kYear).toString(), "1999");
  EXPECT_EQ(fileNames(), QStringList{"a.mp3"});
  EXPECT_FALSE(ws.DisableActions);
}

TEST_F(TrackListTest, AFileOfAnotherMediaTypeSharesTheColumnAndLinksItsRow) {
  openTracks();
  addRow("a.mp3", kMpeg, {"31=Album", "82=1999"});
  addRow("b.flac", kFlac, {"31=Other"});

  EXPECT_EQ(columnFields(), QStringList({"FileName", "Field31", "Field82"}));
  EXPECT_EQ(cell(1, kAlbum).toString(), "Other");
  EXPECT_EQ(mapValue(kAlbum, kFlac, fm().ColumnIndex).toInt(), 1);
  EXPECT_TRUE(mapValue(kAlbum, kFlac, fm().ViewCheck).toBool());
  // No FLAC file had a year: its row stays unlinked.
  EXPECT_EQ(mapValue(kYear, kFlac, fm().ColumnIndex).toInt(), -1);
  EXPECT_FALSE(mapValue(kYear, kFlac, fm().ViewCheck).toBool());
}

TEST_F(TrackListTest, LinesThatNameNoFieldAddNoColumn) {
  const QStringList cases[] = {{"no equals sign"}, {"=value"}, {"  =value"}, {"abc=value"}};
  for (const QStringList& lines : cases) {
    openTracks();
    addRow("a.mp3", kMpeg, lines);
    EXPECT_EQ(columnFields(), QStringList{"FileName"}) << lines.join('|').toStdString();
    EXPECT_EQ(fileNames(), QStringList{"a.mp3"});
  }
}

TEST_F(TrackListTest, AValueIsConvertedToItsColumnTypeOrLeftOut) {
  const QString longText(450, QChar(u'ä'));
  struct Case {
    int type;
    QString text;
    QVariant expected;
  } cases[] = {
      {4, "42", 42},
      {4, "abc", {}},
      {4, "99999999999", {}},
      {2, "TRUE", true},
      {2, "0", false},
      {2, "yes", {}},
      {3, "2001-05-03T10:20:00", QDateTime(QDate(2001, 5, 3), QTime(10, 20))},
      {3, "not a date", {}},
      {1, longText, longText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.left(20).toStdString());
    setCatalogueType(kTrack, c.type, 1000);
    openTracks();
    addRow("a.mp3", kMpeg, {"49=Title", "70=" + c.text});
    EXPECT_EQ(cell(0, kTrack), c.expected);
    EXPECT_EQ(cell(0, kTitle).toString(), "Title");
  }
}

TEST_F(TrackListTest, ARestructureKeepsEveryRowWhole) {
  const QString comment(450, QChar(u'c'));
  setCatalogueType(6, 1, 1000);
  openTracks();
  addRow("a.mp3", kMpeg, {"6=" + comment});
  addRow("b.mp3", kMpeg, {"31=Album"});
  addRow("c.mp3", kMpeg, {"82=2001"});

  EXPECT_EQ(fileNames(), QStringList({"a.mp3", "b.mp3", "c.mp3"}));
  EXPECT_EQ(cell(0, 6).toString(), comment);
  EXPECT_EQ(cell(1, kAlbum).toString(), "Album");
  EXPECT_TRUE(cell(0, kYear).isNull());
  EXPECT_EQ(cell(2, kYear).toString(), "2001");
  EXPECT_FALSE(ws.tracks.dxMemData2.isOpen());
  EXPECT_EQ(ws.tracks.dxMemData2.rowCount(), 0);
}

TEST_F(TrackListTest, ClearingAndSettingViewCheckHidesAndShowsTheSameColumn) {
  openTracks();
  addRow("a.mp3", kMpeg, {"31=Album", "82=1999"});
  QSignalSpy resets(&tracks(), &MemTable::tableReset);

  tick(kAlbum, kMpeg, false);
  EXPECT_FALSE(columnVisible(kAlbum));
  EXPECT_TRUE(columnVisible(kYear));
  tick(kAlbum, kMpeg, true);
  EXPECT_TRUE(columnVisible(kAlbum));

  EXPECT_EQ(resets.count(), 0);  // no restructure
  EXPECT_EQ(columnFields(), QStringList({"FileName", "Field31", "Field82"}));
  EXPECT_EQ(mapValue(kAlbum, kMpeg, fm().ColumnIndex).toInt(), 1);
  EXPECT_EQ(cell(0, kAlbum).toString(), "Album");
  EXPECT_FALSE(ws.DisableActions);
}

TEST_F(TrackListTest, TickingAFieldNoFileHasAddsAnEmptyColumnToEveryRow) {
  openTracks();
  addRow("a.mp3", kMpeg, {"31=Album"});
  addRow("b.mp3", kMpeg, {"31=Other"});

  tick(33, kMpeg, true);

  EXPECT_EQ(columnFields(), QStringList({"FileName", "Field31", "Field33"}));
  EXPECT_EQ(mapValue(33, kMpeg, fm().ColumnIndex).toInt(), 2);
  EXPECT_EQ(fileNames(), QStringList({"a.mp3", "b.mp3"}));
  EXPECT_EQ(cell(1, kAlbum).toString(), "Other");
  EXPECT_TRUE(cell(0, 33).isNull());
  EXPECT_TRUE(cell(1, 33).isNull());
}

TEST_F(TrackListTest, TickingAFieldOfAnotherMediaTypeShowsAndLinksItsColumn) {
  openTracks();
  addRow("a.mp3", kMpeg, {"31=Album"});
  tick(kAlbum, kMpeg, false);

  tick(kAlbum, kFlac, true);

  EXPECT_TRUE(columnVisible(kAlbum));
  EXPECT_EQ(mapValue(kAlbum, kFlac, fm().ColumnIndex).toInt(), 1);
  EXPECT_EQ(columnFields(), QStringList({"FileName", "Field31"}));
}

// Every failing restructure leaves the rows, the open state and the flag as
// they were, and adds no column for the failing field.
TEST_F(TrackListTest, AFailedRestructureRollsBack) {
  struct Case {
    const char* name;
    bool loaded;
    int failingField;
    std::function<void(TrackListTest&)> action;
    QStringList rowsAfter;
    QStringList columnsAfter;
  } cases[] = {
      {"tick before the first load", false, kAlbum,
       [](TrackListTest& t) { t.tick(kAlbum, kMpeg, true); }, {}, {"FileName"}},
      {"tick a field without a column type", true, 33,
       [](TrackListTest& t) {
         t.setCatalogueType(33, 0);
         t.tick(33, kMpeg, true);
       },
       {"a.mp3", "b.mp3"}, {"FileName", "Field31"}},
      {"fill a row with a field without a column type", true, 33,
       [](TrackListTest& t) {
         t.setCatalogueType(33, 5);
         t.addRow("c.mp3", kMpeg, {"82=2001", "33=Composer"});
       },
       // The field before the failing one keeps its column; the row is dropped.
       {"a.mp3", "b.mp3"}, {"FileName", "Field31", "Field82"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tracks().close();
    ws.tracks.ResetTrackFields();
    map().clearFilter();
    ws.fields.ResetFieldMapView();
    if (c.loaded) {
      tracks().open();
      addRow("a.mp3", kMpeg, {"31=Album"});
      addRow("b.mp3", kMpeg, {"31=Other"});
    }

    EXPECT_THROW(c.action(*this), Error);

    EXPECT_EQ(tracks().isOpen(), c.loaded);
    EXPECT_EQ(fileNames(), c.rowsAfter);
    EXPECT_EQ(columnFields(), c.columnsAfter);
    EXPECT_FALSE(ws.DisableActions);
    EXPECT_FALSE(ws.tracks.isRestructuring());
    EXPECT_EQ(ws.tracks.dxMemData2.rowCount(), 0);
    EXPECT_FALSE(mapValue(c.failingField, kMpeg, fm().ViewCheck).toBool());
    if (c.loaded) {
      EXPECT_EQ(cell(1, kAlbum).toString(), "Other");
    }
  }
}

TEST_F(TrackListTest, ACellIsPendingUntilItsValueIsReadOrWrittenAgain) {
  openTracks();
  addRow("a.mp3", kMpeg, {"31=Album"});
  addRow("b.mp3", kMpeg, {"31=Other"});
  const int album = tracks().columnIndex("Field31");
  EXPECT_FALSE(ws.tracks.hasPendingChanges());

  tracks().setValue(1, album, "Changed");
  EXPECT_TRUE(ws.tracks.isCellPending(1, album));
  EXPECT_TRUE(ws.tracks.isRowPending(1));
  EXPECT_FALSE(ws.tracks.isRowPending(0));
  EXPECT_TRUE(ws.tracks.hasPendingChanges());

  tracks().setValue(1, album, "Other");
  EXPECT_FALSE(ws.tracks.hasPendingChanges());

  tracks().setValue(0, album, "Written");
  addRow("c.mp3", kMpeg, {"82=2001"});  // a restructure keeps the marks
  EXPECT_TRUE(ws.tracks.isCellPending(0, album));
  ws.tracks.rememberAsRead(0);
  EXPECT_FALSE(ws.tracks.hasPendingChanges());
}

TEST_F(TrackListTest, CopyTableRowsAddsMissingColumnsAtTheirWidthAndCopiesEveryRow) {
  MemTable source, target;
  source.addColumn("Name", FieldType::String, 1000);
  source.addColumn("Count", FieldType::Integer);
  source.open();
  const QString name(600, QChar(u'n'));
  for (int i = 0; i < 2; ++i) {
    const int row = source.appendRowRaw();
    source.setStoredValue(row, 0, name + QString::number(i));
    if (i == 1) source.setStoredValue(row, 1, 7);
  }
  target.addColumn("count", FieldType::Integer);

  TrackList::CopyTableRows(source, target);

  ASSERT_TRUE(target.isOpen());
  ASSERT_EQ(target.rowCount(), 2);
  ASSERT_EQ(target.columnCount(), 2);
  EXPECT_EQ(target.column(1).size, 1000);
  EXPECT_EQ(target.value(1, 1).toString(), name + "1");
  EXPECT_TRUE(target.value(0, 0).isNull());
  EXPECT_EQ(target.value(1, 0).toInt(), 7);
}

}  // namespace
}  // namespace quillora
