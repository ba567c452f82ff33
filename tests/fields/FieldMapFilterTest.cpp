// FilterFieldMap and ResetFieldMapView.
#include "fields/FieldModel.h"
#include "fields/TableTsv.h"

#include <gtest/gtest.h>

using namespace quillora;

namespace {

// Row 4 has media type -1; row 5 has no ColumnIndex.
const QByteArray kFieldMap =
    "ID\tFieldID\tMediaTypeID\tColumnIndex\tViewCheck\n"
    "1\t31\t1\t3\tTrue\n"
    "2\t49\t1\t5\tTrue\n"
    "3\t31\t4\t-1\tFalse\n"
    "4\t82\t-1\t2\tTrue\n"
    "5\t63\t2\t\tTrue\n";

class FieldMapFilter : public ::testing::Test {
 protected:
  void SetUp() override { ReadTsvIntoTable(model.mdFieldsInternal, kFieldMap, "fieldmap.tsv"); }

  QVector<int> visibleIds() const {
    const MemTable& map = model.mdFieldsInternal;
    QVector<int> ids;
    for (int p = 0; p < map.visibleCount(); ++p) ids.append(map.value(map.visibleRow(p), model.fm().ID).toInt());
    return ids;
  }
  QVariant at(int row, int column) const { return model.mdFieldsInternal.value(row, column); }

  FieldModel model;
};

TEST_F(FieldMapFilter, ShowsTheMatchingRowsAndReturnsTheFirstColumnIndex) {
  const struct {
    int field, media, position, result;
    QVector<int> visible;
  } cases[] = {
      {-1, 1, -1, 3, {1, 2}},
      {-1, 9, -1, -1, {}},
      {31, 4, -1, -1, {3}},
      {49, 1, -1, 5, {2}},
      {-1, 1, 5, 5, {2}},
      {-1, -1, -1, 2, {4}},
      {82, 1, -1, -1, {}},
      {-1, 2, 0, 0, {5}},
      {63, 2, -1, 0, {5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.field << ", " << c.media << ", " << c.position << ")");
    EXPECT_EQ(model.FilterFieldMap(c.field, c.media, c.position), c.result);
    EXPECT_TRUE(model.mdFieldsInternal.isFiltered());
    EXPECT_EQ(visibleIds(), c.visible);
    if (c.visible.isEmpty()) {
      EXPECT_TRUE(model.mdFieldsInternal.eof());
    } else {
      EXPECT_EQ(at(model.mdFieldsInternal.currentRow(), model.fm().ID), c.visible[0]);
    }
  }
}

TEST_F(FieldMapFilter, ResetMarksOnlyTheVisibleRowsShownNowhere) {
  const auto& fm = model.fm();
  model.FilterFieldMap(-1, 1, -1);
  model.ResetFieldMapView();
  for (int row : {0, 1}) {
    EXPECT_EQ(at(row, fm.ColumnIndex), QVariant(-1));
    EXPECT_EQ(at(row, fm.ViewCheck), QVariant(false));
  }
  EXPECT_EQ(at(3, fm.ColumnIndex), QVariant(2));
  EXPECT_EQ(at(3, fm.ViewCheck), QVariant(true));
  EXPECT_TRUE(at(4, fm.ColumnIndex).isNull());

  model.mdFieldsInternal.clearFilter();
  model.ResetFieldMapView();
  for (int row = 0; row < model.mdFieldsInternal.rowCount(); ++row) {
    EXPECT_EQ(at(row, fm.ColumnIndex), QVariant(-1)) << row;
    EXPECT_EQ(at(row, fm.ViewCheck), QVariant(false)) << row;
  }
}

}  // namespace
