// The item models behind the two grids: fine-grained signals while rows and
// columns are added, edits that go through the tables, pending marks.
#include "TracksFixture.h"

#include "tracks/FieldMapModel.h"
#include "tracks/TrackList.h"
#include "tracks/TrackTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace quillora {
namespace {

class TrackModelTest : public TracksFixture {
 public:
  TrackModelTest() { openTracks(); }

  TrackTableModel model{ws.tracks};
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(TrackModelTest, RowsAndColumnsArriveOneByOneEvenThroughARestructure) {
  QSignalSpy rows(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy columns(&model, &QAbstractItemModel::columnsInserted);
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

  addRow("a.mp3", kMpeg, {"31=Album", "82=1999"});
  addRow("b.mp3", kMpeg, {"31=Other"});
  addRow("c.flac", kFlac, {"49=Title"});

  EXPECT_EQ(resets.count(), 0);
  ASSERT_EQ(rows.count(), 3);
  EXPECT_EQ(rows.at(2).at(1).toInt(), 2);
  EXPECT_EQ(rows.at(2).at(2).toInt(), 2);
  EXPECT_EQ(columns.count(), 3);
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.columnCount(), 4);
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Title");
  EXPECT_EQ(model.data(model.index(0, 2)).toString(), "1999");
  EXPECT_EQ(model.data(model.index(2, 3)).toString(), "Title");
}

TEST_F(TrackModelTest, AValueChangeIsOneCellChanged) {
  addRow("a.mp3", kMpeg, {"31=Album", "82=1999"});
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

  tracks().setValue(0, tracks().columnIndex("Field82"), "2000");

  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toModelIndex(), model.index(0, 2));
  EXPECT_EQ(changed.at(0).at(1).toModelIndex(), model.index(0, 2));
}

TEST_F(TrackModelTest, AFailedFillLeavesTheModelInStepWithTheTable) {
  addRow("a.mp3", kMpeg, {"31=Album"});
  setCatalogueType(33, 0);
  EXPECT_ANY_THROW(addRow("b.mp3", kMpeg, {"33=Composer"}));
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.data(model.index(0, 0)).toString(), "a.mp3");
}

TEST_F(TrackModelTest, EditsConvertToTheColumnTypeAndMarkTheCellPending) {
  setCatalogueType(kTrack, 4);
  addRow("a.mp3", kMpeg, {"31=Album", "70=5"});
  const QModelIndex track = model.index(0, 2);
  struct Case {
    QVariant typed;
    bool accepted;
    QVariant stored;
  } cases[] = {{"abc", false, 5}, {"12", true, 12}, {"", true, {}}, {"5", true, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toString().toStdString());
    EXPECT_EQ(model.setData(track, c.typed), c.accepted);
    EXPECT_EQ(cell(0, kTrack), c.stored);
    const bool pending = c.stored != QVariant(5);
    EXPECT_EQ(model.data(track, TrackTableModel::PendingRole).toBool(), pending);
    EXPECT_EQ(model.headerData(0, Qt::Vertical, TrackTableModel::PendingRole).toBool(), pending);
  }
  EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(model.setData(model.index(0, 0), "renamed.mp3"));
  EXPECT_EQ(fileNames(), QStringList{"a.mp3"});
}

TEST_F(TrackModelTest, ARowWrittenAgainLosesItsPendingMarks) {
  addRow("a.mp3", kMpeg, {"31=Album"});
  ASSERT_TRUE(model.setData(model.index(0, 1), "New"));
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

  ws.tracks.rememberAsRead(0);

  EXPECT_EQ(changed.count(), 1);
  EXPECT_FALSE(model.data(model.index(0, 1), TrackTableModel::PendingRole).toBool());
}

class FieldPanelTest : public TracksFixture {
 public:
  FieldPanelTest() {
    openTracks();
    addRow("a.mp3", kMpeg, {"31=Album"});
    ws.fields.FilterFieldMap(-1, kMpeg, -1);
  }
  int panelRow(int fieldId) const {
    for (int row = 0; row < model.rowCount(); ++row)
      if (ws.fields.mdFieldsInternal.value(model.fieldMapRow(row), fm().FieldID).toInt() == fieldId)
        return row;
    ADD_FAILURE() << "field " << fieldId << " not in the panel";
    return -1;
  }
  int panelColumn(const QString& name) const {
    const auto& columns = FieldMapModel::panelColumns();
    for (int c = 0; c < columns.size(); ++c)
      if (columns[c].fieldName == name) return c;
    return -1;
  }
  QModelIndex at(int fieldId, const QString& column) const {
    return model.index(panelRow(fieldId), panelColumn(column));
  }

  FieldMapModel model{ws};
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(FieldPanelTest, TickingViewCheckAddsOrHidesTheFieldsColumn) {
  ASSERT_TRUE(model.setData(at(33, "ViewCheck"), Qt::Checked, Qt::CheckStateRole));
  EXPECT_EQ(columnFields(), QStringList({"FileName", "Field31", "Field33"}));

  ws.fields.FilterFieldMap(-1, kMpeg, -1);
  ASSERT_TRUE(model.setData(at(kAlbum, "ViewCheck"), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_FALSE(ws.tracks.cxGridMP3.at(1).visible);
  EXPECT_EQ(model.data(at(kAlbum, "ViewCheck"), Qt::CheckStateRole).toInt(), Qt::Unchecked);
}

TEST_F(FieldPanelTest, AFailingTickIsReportedAndLeavesTheBoxClear) {
  setCatalogueType(33, 0);
  QSignalSpy failed(&model, &FieldMapModel::failed);
  EXPECT_FALSE(model.setData(at(33, "ViewCheck"), Qt::Checked, Qt::CheckStateRole));
  ASSERT_EQ(failed.count(), 1);
  EXPECT_TRUE(failed.at(0).at(0).toString().contains("33"));
  EXPECT_EQ(model.data(at(33, "ViewCheck"), Qt::CheckStateRole).toInt(), Qt::Unchecked);
}

TEST_F(FieldPanelTest, BatchValueEditsTheCatalogueForEveryMediaType) {
  ASSERT_TRUE(model.setData(at(kAlbum, "BatchValue"), QString(300, QChar(u'b'))));
  ws.fields.FilterFieldMap(-1, kFlac, -1);
  EXPECT_EQ(model.data(at(kAlbum, "BatchValue")).toString(), QString(300, QChar(u'b')));
  EXPECT_TRUE(model.data(at(kAlbum, "InternalBatchValue")).toString().isEmpty());

  ASSERT_TRUE(model.setData(at(kAlbum, "InternalBatchValue"), "Own"));
  EXPECT_EQ(mapValue(kAlbum, kFlac, fm().InternalBatchValue).toString(), "Own");
  EXPECT_TRUE(mapValue(kAlbum, kMpeg, fm().InternalBatchValue).toString().isEmpty());
}

TEST_F(FieldPanelTest, NothingIsEditableWhileACommandRuns) {
  ws.DisableActions = true;
  EXPECT_FALSE(model.flags(at(33, "ViewCheck")) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(model.setData(at(33, "ViewCheck"), Qt::Checked, Qt::CheckStateRole));
  EXPECT_FALSE(model.setData(at(kAlbum, "InternalBatchValue"), "x"));
  EXPECT_FALSE(mapValue(33, kMpeg, fm().ViewCheck).toBool());
}

TEST_F(FieldPanelTest, ALookupOtherThanTheBatchValueCannotBeEdited) {
  EXPECT_FALSE(model.setData(at(kAlbum, "FieldName"), "Renamed"));
  EXPECT_EQ(model.data(at(kAlbum, "FieldName")).toString(), "Album");
}

}  // namespace
}  // namespace quillora
