// Tables as TSV text.
#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "fields/MemTableFile.h"
#include "fields/TableTsv.h"

#include <gtest/gtest.h>

using namespace quillora;

namespace {

TEST(TableTsv, PrintsEveryStoredColumnWithEscapesAndEmptyFields) {
  FieldModel model;
  MemTable& map = model.mdFieldsInternal;
  map.open();
  const auto& fm = model.fm();
  const int row = map.appendRowRaw();
  map.setValue(row, fm.ID, -7);
  map.setValue(row, fm.FieldMediaIDValue, "a\\b\tc\rd\ne");
  map.setValue(row, fm.ViewCheck, true);
  map.setValue(row, fm.BatchCheck, false);
  EXPECT_EQ(FormatTsv(TsvOfTable(map)),
            "ID\tFieldID\tFieldMediaID\tFieldMediaIDValue\tFieldMediaIDCode\tMediaTypeID\t"
            "InternalBatchValue\tColumnIndex\tViewCheck\tBatchCheck\n"
            "-7\t\t\ta\\\\b\\tc\\rd\\ne\t\t\t\t\tTrue\tFalse\n");
}

TEST(TableTsv, ReadsWhatItPrints) {
  const QByteArray tsv =
      "ViewCheck\tBatchCheck\tID\tName\tBatchValue\tFieldTypeID\tFieldSize\tcxGridColumnIndex\n"
      "True\tFalse\t0\t\\\\x\\ty\\r\\n \t\t1\t250\t-1\n"
      "\t\t99\t\xC3\xA9\xE2\x82\xAC\t\t\t\t\n";
  FieldModel model;
  ReadTsvIntoTable(model.mdFields, tsv, "catalogue.tsv");
  ASSERT_EQ(model.mdFields.rowCount(), 2);
  EXPECT_EQ(model.mdFields.value(0, model.cat().Name), QVariant("\\x\ty\r\n "));
  EXPECT_TRUE(model.mdFields.value(1, model.cat().ViewCheck).isNull());
  EXPECT_EQ(FormatTsv(TsvOfTable(model.mdFields)), tsv);
}

TEST(TableTsv, HeaderNamesAnyStoredColumnsInAnyOrder) {
  FieldModel model;
  ReadTsvIntoTable(model.mdFieldsInternal, "viewcheck\tFieldID\r\nTrue\t31\r\n", "fieldmap.tsv");
  const MemTable& map = model.mdFieldsInternal;
  ASSERT_EQ(map.rowCount(), 1);
  EXPECT_EQ(map.value(0, model.fm().FieldID), QVariant(31));
  EXPECT_EQ(map.value(0, model.fm().ViewCheck), QVariant(true));
  EXPECT_TRUE(map.value(0, model.fm().ID).isNull());
}

TEST(TableTsv, MalformedTextFailsWithItsLineNumberAndChangesNothing) {
  const struct {
    QByteArray tsv;
    const char* message;
  } cases[] = {
      {"", "x.tsv:1: the header line of column names is empty"},
      {"ID\tFieldName\n", "x.tsv:1: the table mdFieldsInternal stores no column named \"FieldName\""},
      {"ID\tid\n", "x.tsv:1: column \"id\" is named twice"},
      {"ID\tFieldID\n1\t2\n3\n", "x.tsv:3: expected 2 fields, found 1"},
      {"ID\tFieldID\n1\t2\t\n", "x.tsv:2: expected 2 fields, found 3"},
      {"ID\n1\nabc\n", "x.tsv:3: \"abc\" is not an integer (column ID)"},
      {"ID\n12x\n", "x.tsv:2: \"12x\" is not an integer (column ID)"},
      {"ID\n 5\n", "x.tsv:2: \" 5\" is not an integer (column ID)"},
      {"ID\n2147483648\n", "x.tsv:2: \"2147483648\" is not an integer (column ID)"},
      {"ViewCheck\nyes\n", "x.tsv:2: \"yes\" is not True or False (column ViewCheck)"},
      {"FieldMediaID\na\\qb\n", "x.tsv:2: unknown escape \"\\q\" in \"a\\qb\""},
      {"FieldMediaID\nab\\\n", "x.tsv:2: \"ab\\\" ends in a lone backslash"},
      {"FieldMediaIDCode\n123456\n", "x.tsv:2: a text of 6 characters is wider than column FieldMediaIDCode (5)"},
      {"FieldMediaIDCode\nab\xE9\n", "x.tsv:2: the line is not UTF-8 text"},
  };
  for (const auto& c : cases) {
    FieldModel model;
    MemTable& map = model.mdFieldsInternal;
    ReadTsvIntoTable(map, "ID\n1\n2\n", "before.tsv");
    const QByteArray before = WriteMemTableStream(map);
    try {
      ReadTsvIntoTable(map, c.tsv, "x.tsv");
      ADD_FAILURE() << c.tsv.constData() << ": no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
    }
    EXPECT_EQ(WriteMemTableStream(map), before) << c.tsv.constData();
  }
}

TEST(TableTsv, FiveCharacterTextFitsAFiveWideColumn) {
  FieldModel model;
  ReadTsvIntoTable(model.mdFieldsInternal, "FieldMediaIDCode\n\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\n", "x.tsv");
  EXPECT_EQ(model.mdFieldsInternal.value(0, model.fm().FieldMediaIDCode).toString().size(), 5);
}

}  // namespace
