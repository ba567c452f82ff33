// Reading and writing memory-table streams and files.
#include "StreamBytes.h"

#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "fields/MemTableFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillora;
using quillora::test::StreamBytes;

namespace {

// Name (string 5), Count (integer), Flag (Boolean).
struct SampleTable : MemTable {
  SampleTable() {
    addColumn("Name", FieldType::String, 5);
    addColumn("Count", FieldType::Integer);
    addColumn("Flag", FieldType::Boolean);
    open();
  }
  enum { Name, Count, Flag };
};

void appendRow(MemTable& table, const QVector<QVariant>& values) {
  const int row = table.appendRowRaw();
  for (int c = 0; c < values.size(); ++c)
    if (!values[c].isNull()) table.setValue(row, c, values[c]);
}

TEST(MemTableStream, FieldTypeTableStreamIsTheDocumentedBytes) {
  FieldModel model;
  const QByteArray expected = QByteArray::fromHex(
      "566572" "8fc2f5285c8ffe3f" "02000000"
      "04000000" "0300" "0700") + QByteArray("TypeID\0", 7) +
      QByteArray::fromHex("14000000" "0100" "0900") + QByteArray("TypeName\0", 9) +
      QByteArray::fromHex("00" "00000000" "01" "07000000") + "Unknown" +
      QByteArray::fromHex("01" "01000000" "01" "06000000") + "String";
  const QByteArray stream = WriteMemTableStream(model.mdFieldTypes);
  EXPECT_EQ(stream.left(expected.size()).toHex(' '), expected.toHex(' '));
}

TEST(MemTableStream, StoresOnlyDataColumnsInColumnOrder) {
  FieldModel model;
  model.mdFieldsInternal.open();
  const struct {
    const MemTable& table;
    QStringList names;
  } cases[] = {
      {model.mdFieldsInternal,
       {"ID", "FieldID", "FieldMediaID", "FieldMediaIDValue", "FieldMediaIDCode", "MediaTypeID",
        "InternalBatchValue", "ColumnIndex", "ViewCheck", "BatchCheck"}},
      {model.mdFields,
       {"ViewCheck", "BatchCheck", "ID", "Name", "BatchValue", "FieldTypeID", "FieldSize",
        "cxGridColumnIndex"}},
  };
  for (const auto& c : cases) {
    const MemTableData data = ParseMemTableStream(WriteMemTableStream(c.table), "stream");
    QStringList names;
    for (const MemTableDescriptor& d : data.descriptors) names.append(d.name);
    EXPECT_EQ(names, c.names) << c.table.tableName().toStdString();
  }
}

TEST(MemTableStream, WrittenRowsReadBackEqual) {
  SampleTable written;
  appendRow(written, {"ab\tc", 7, true});
  appendRow(written, {QVariant(), QVariant(), QVariant()});
  appendRow(written, {"x", -2147483647 - 1, false});
  appendRow(written, {QString::fromUtf8("é€😀\r\n"), 0, QVariant()});
  written.setFilter({1});  // saving ignores the filter

  const QByteArray stream = WriteMemTableStream(written);
  SampleTable read;
  ReadMemTableStream(read, stream, "stream");
  ASSERT_EQ(read.rowCount(), written.rowCount());
  for (int row = 0; row < read.rowCount(); ++row)
    for (int c = 0; c < read.columnCount(); ++c)
      EXPECT_EQ(read.value(row, c), written.value(row, c)) << "row " << row << " column " << c;
  EXPECT_EQ(WriteMemTableStream(read), stream);
}

TEST(MemTableStream, TextIsWrittenAsUtf8WithItsByteCount) {
  SampleTable table;
  appendRow(table, {QString::fromUtf8("é€"), QVariant(), QVariant()});
  const QByteArray stream = WriteMemTableStream(table);
  EXPECT_TRUE(stream.endsWith(
      StreamBytes().text("\xC3\xA9\xE2\x82\xAC").emptyInteger().emptyBoolean().bytes()));
}

TEST(MemTableStream, LoadingNumbersRowsFromOneAndPutsTheCursorOnTheFirst) {
  SampleTable table;
  appendRow(table, {"old", 1, true});
  appendRow(table, {"old", 2, true});
  appendRow(table, {"old", 3, true});
  table.last();
  ReadMemTableStream(table, StreamBytes().header(1).descriptor(4, 3, "Count").integer(10).integer(20),
                     "stream");
  ASSERT_EQ(table.rowCount(), 2);
  EXPECT_EQ(table.recId(0), 1);
  EXPECT_EQ(table.recId(1), 2);
  EXPECT_EQ(table.currentRow(), 0);
  EXPECT_TRUE(table.isOpen());
}

TEST(MemTableStream, LoadingRunsNoChangeHandlers) {
  SampleTable table;
  int calls = 0;
  table.setChangeHandler(SampleTable::Flag, [&](int, int) { ++calls; });
  ReadMemTableStream(table, StreamBytes().header(1).descriptor(2, 5, "Flag").boolean(1), "stream");
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(table.value(0, SampleTable::Flag), QVariant(true));
}

TEST(MemTableStream, DescriptorsMatchIgnoringCaseAndUnknownOnesAreDropped) {
  SampleTable table;
  ReadMemTableStream(table,
                     StreamBytes()
                         .header(3)
                         .descriptor(5, 1, "NAME")
                         .descriptor(4, 3, "Extra")
                         .descriptor(2, 5, "flag")
                         .text("abc").integer(99).boolean(1),
                     "stream");
  ASSERT_EQ(table.rowCount(), 1);
  EXPECT_EQ(table.value(0, SampleTable::Name), QVariant("abc"));
  EXPECT_TRUE(table.value(0, SampleTable::Count).isNull());
  EXPECT_EQ(table.value(0, SampleTable::Flag), QVariant(true));
}

TEST(MemTableStream, TextsAreCutToTheColumnWidthInCharacters) {
  const struct {
    const char* stored;
    const char* expected;
  } cases[] = {
      {"abcdefgh", "abcde"},
      {"abcde", "abcde"},
      {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"},
      {"\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80",
       "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    SampleTable table;
    ReadMemTableStream(table, StreamBytes().header(1).descriptor(20, 1, "Name").text(c.stored),
                       "stream");
    EXPECT_EQ(table.value(0, SampleTable::Name).toString(), QString::fromUtf8(c.expected)) << c.stored;
  }
}

TEST(MemTableStream, AnyNonZeroBooleanIsTrue) {
  const struct {
    StreamBytes value;
    QVariant expected;
  } cases[] = {
      {StreamBytes().boolean(1), true},      {StreamBytes().boolean(2), true},
      {StreamBytes().boolean(0x100), true},  {StreamBytes().boolean(0xFFFF), true},
      {StreamBytes().boolean(0), false},     {StreamBytes().emptyBoolean(), QVariant()},
      {StreamBytes().number(quint8(0)).number(quint16(1)), QVariant()},
  };
  for (const auto& c : cases) {
    SampleTable table;
    ReadMemTableStream(table, StreamBytes().header(1).descriptor(2, 5, "Flag").raw(c.value), "stream");
    EXPECT_EQ(table.value(0, SampleTable::Flag), c.expected) << c.value.bytes().toHex().constData();
  }
}

TEST(MemTableStream, ARecordCutOffByTheEndIsDropped) {
  const QByteArray whole = StreamBytes()
                               .header(3)
                               .descriptor(5, 1, "Name")
                               .descriptor(4, 3, "Count")
                               .descriptor(2, 5, "Flag")
                               .text("one").integer(1).boolean(1)
                               .text("two").integer(2).boolean(0);
  const qsizetype lastRecord = whole.size() - StreamBytes().text("two").integer(2).boolean(0).bytes().size();
  for (qsizetype cut = lastRecord + 1; cut < whole.size(); ++cut) {
    SampleTable table;
    ReadMemTableStream(table, whole.left(cut), "stream");
    ASSERT_EQ(table.rowCount(), 1) << "cut at " << cut;
    EXPECT_EQ(table.value(0, SampleTable::Name), QVariant("one"));
  }
  SampleTable table;
  ReadMemTableStream(table, whole, "stream");
  EXPECT_EQ(table.rowCount(), 2);
}

TEST(MemTableStream, TextThatIsNotUtf8IsReadAsWindows1252) {
  const struct {
    QByteArray stored;
    const char* expected;  // UTF-8
  } cases[] = {
      {"Caf\xE9", "Caf\xC3\xA9"},
      {"Caf\xC3\xA9", "Caf\xC3\xA9"},
      {"\x80\x93x\x94", "\xE2\x82\xAC\xE2\x80\x9Cx\xE2\x80\x9D"},
      {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
      {"\xC3", "\xC3\x83"},  // a UTF-8 sequence cut short
  };
  for (const auto& c : cases) {
    SampleTable table;
    ReadMemTableStream(table, StreamBytes().header(1).descriptor(20, 1, "Name").text(c.stored),
                       "stream");
    EXPECT_EQ(table.value(0, SampleTable::Name).toString(), QString::fromUtf8(c.expected))
        << c.stored.toHex().constData();
  }
}

TEST(MemTableStream, ALeadingByteOrderMarkIsKeptAsACharacter) {
  SampleTable table;
  ReadMemTableStream(table, StreamBytes().header(1).descriptor(20, 1, "Name").text("\xEF\xBB\xBFx"),
                     "stream");
  EXPECT_EQ(table.value(0, SampleTable::Name).toString(), QString(QChar(0xFEFF)) + u'x');
}

TEST(MemTableStream, EachTextIsDecodedOnItsOwn) {
  SampleTable table;
  ReadMemTableStream(table,
                     StreamBytes().header(1).descriptor(20, 1, "Name").text("\xC3\xA9").text("\xE9"),
                     "stream");
  EXPECT_EQ(table.value(0, SampleTable::Name).toString(), QString::fromUtf8("\xC3\xA9"));
  EXPECT_EQ(table.value(1, SampleTable::Name).toString(), QString::fromUtf8("\xC3\xA9"));
}

TEST(FieldMapFile, NarrowBatchValueDescriptorLoadsIntoTheWideColumn) {
  FieldModel model;
  const QByteArray album(40, 'a');
  ReadMemTableStream(model.mdFieldsInternal,
                     StreamBytes().header(2).descriptor(4, 3, "FieldID").descriptor(20, 1, "InternalBatchValue")
                         .integer(31).text(album),
                     "FieldsInternal.dat");
  EXPECT_EQ(model.mdFieldsInternal.value(0, model.fm().InternalBatchValue).toString(), QString(album));
  const MemTableData stored = ParseMemTableStream(WriteMemTableStream(model.mdFieldsInternal), "s");
  EXPECT_EQ(stored.descriptors[6].name, "InternalBatchValue");
  EXPECT_EQ(stored.descriptors[6].size, 500);
}

TEST(FieldMapFile, SavedAndLoadedRowsKeepEmptyValuesTextsAndBooleans) {
  QTemporaryDir dir;
  const QString file = dir.filePath("FieldsInternal.dat");
  FieldModel saved;
  MemTable& map = saved.mdFieldsInternal;
  map.open();
  const auto& fm = saved.fm();
  const int first = map.appendRowRaw();
  map.setValue(first, fm.FieldID, 31);
  map.setValue(first, fm.ViewCheck, true);
  const int second = map.appendRowRaw();
  map.setValue(second, fm.FieldID, 82);
  map.setValue(second, fm.InternalBatchValue, "x");
  SaveMemTable(map, file);

  FieldModel loaded;
  LoadMemTable(loaded.mdFieldsInternal, file);
  const MemTable& back = loaded.mdFieldsInternal;
  ASSERT_EQ(back.rowCount(), 2);
  EXPECT_TRUE(back.value(0, fm.InternalBatchValue).isNull());
  EXPECT_EQ(back.value(1, fm.InternalBatchValue), QVariant("x"));
  EXPECT_EQ(back.value(0, fm.ViewCheck), QVariant(true));
  EXPECT_TRUE(back.value(1, fm.ViewCheck).isNull());
  EXPECT_EQ(back.value(0, fm.FieldName), QVariant("Album/Movie/Show title"));  // lookups work
}

TEST(FieldMapFile, CatalogueWithOnlyIdAndNameLeavesTheOtherColumnsEmpty) {
  FieldModel model;
  const auto& cat = model.cat();
  const int row = model.mdFields.appendRowRaw();
  model.mdFields.setValue(row, cat.FieldSize, 250);
  ReadMemTableStream(model.mdFields,
                     StreamBytes().header(2).descriptor(4, 3, "ID").descriptor(100, 1, "Name")
                         .integer(31).text("Album").integer(82).text("Year"),
                     "FieldsInternal.dtt");
  ASSERT_EQ(model.mdFields.rowCount(), 2);
  for (int r = 0; r < 2; ++r)
    for (int c : {cat.ViewCheck, cat.BatchCheck, cat.BatchValue, cat.FieldTypeID, cat.FieldSize,
                  cat.cxGridColumnIndex})
      EXPECT_TRUE(model.mdFields.value(r, c).isNull()) << "row " << r << " column " << c;
  EXPECT_EQ(model.mdFields.value(1, cat.Name), QVariant("Year"));
}

TEST(MemTableFile, SavingReplacesAnExistingFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath("table.dat");
  {
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000, 'x'));
  }
  SampleTable table;
  appendRow(table, {"new", 1, true});
  SaveMemTable(table, file);
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), WriteMemTableStream(table));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"table.dat"});
}

TEST(MemTableFile, FailuresToReadOrWriteNameTheFile) {
  QTemporaryDir dir;
  SampleTable table;
  const QString missingFolder = dir.filePath("no such folder/table.dat");
  const struct {
    const char* what;
    std::function<void()> action;
    QString file;
  } cases[] = {
      {"load from a missing file", [&] { LoadMemTable(table, missingFolder); }, missingFolder},
      {"load from a folder", [&] { LoadMemTable(table, dir.path()); }, dir.path()},
      {"save into a missing folder", [&] { SaveMemTable(table, missingFolder); }, missingFolder},
  };
  for (const auto& c : cases) {
    try {
      c.action();
      ADD_FAILURE() << c.what << ": no error";
    } catch (const Error& e) {
      EXPECT_TRUE(e.message().startsWith(c.file + ": ")) << c.what << ": " << e.what();
    }
  }
}

}  // namespace
