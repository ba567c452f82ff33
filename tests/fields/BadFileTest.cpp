// Files that are not memory-table files, or whose columns do not fit the
// table, fail with a message naming the file and leave the table as it was.
#include "StreamBytes.h"

#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "fields/MemTableFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillora;
using quillora::test::StreamBytes;

namespace {

struct BadFile {
  const char* what;
  QByteArray bytes;
  QString message;  // after "FieldsInternal.dat: "; exactly, unless it is the whole message
  bool named = true;
};

QByteArray withField(const StreamBytes& descriptors) {
  return StreamBytes().header(1).raw(descriptors);
}

const BadFile kBadFiles[] = {
    {"empty file", "", "not a memory-table file (truncated header)"},
    {"other magic", StreamBytes().raw("VER").number(1.91).number(qint32(0)),
     "not a memory-table file (it does not begin with \"Ver\")"},
    {"text file", "ID\tFieldID\n1\t49\n", "not a memory-table file (it does not begin with \"Ver\")"},
    {"other version", StreamBytes().header(0, 1.90), "not a memory-table file (wrong version)"},
    {"version cut off", StreamBytes().raw("Ver").number(quint32(0x285CF5C2)),
     "not a memory-table file (truncated header)"},
    {"count cut off", StreamBytes().raw("Ver").number(1.91).number(quint16(1)),
     "not a memory-table file (truncated header)"},
    {"negative count", StreamBytes().header(-1), "not a memory-table file (negative field count)"},
    {"fewer descriptors than counted", StreamBytes().header(2).descriptor(4, 3, "FieldID"),
     "not a memory-table file (truncated field descriptors)"},
    {"descriptor name cut off", StreamBytes().header(1).number(qint32(4)).number(quint16(3)).number(quint16(8)).raw("Fiel"),
     "not a memory-table file (truncated field descriptors)"},
    {"name longer than 255", withField(StreamBytes().descriptor(4, 3, QByteArray(255, 'N'))),
     "The data is incorrect", false},
    {"unknown type code", withField(StreamBytes().descriptor(8, 11, "FieldID")),
     "column \"FieldID\" has the unknown type code 11"},
    {"integer stored as string", withField(StreamBytes().descriptor(20, 1, "FieldID")),
     "column \"FieldID\" is stored as string but the table holds integer"},
    {"Boolean stored as integer", withField(StreamBytes().descriptor(4, 3, "viewcheck")),
     "column \"viewcheck\" is stored as integer but the table holds Boolean"},
    {"string stored as Boolean", withField(StreamBytes().descriptor(2, 5, "FieldMediaIDValue")),
     "column \"FieldMediaIDValue\" is stored as Boolean but the table holds string"},
    {"negative text length",
     withField(StreamBytes().descriptor(20, 1, "FieldMediaID").number(quint8(1)).number(qint32(-5))),
     "damaged record (negative text length)"},
};

class BadFileTest : public ::testing::TestWithParam<BadFile> {
 protected:
  // A field map holding two rows, the second current, filtered to one row.
  void SetUp() override {
    MemTable& map = model.mdFieldsInternal;
    map.open();
    for (int id : {49, 63}) {
      const int row = map.appendRowRaw();
      map.setValue(row, model.fm().FieldID, id);
      map.setValue(row, model.fm().FieldMediaIDValue, "$54495432");
    }
    map.setFilter({1});
    map.first();
    before = WriteMemTableStream(map);
  }

  void expectUnchanged() {
    const MemTable& map = model.mdFieldsInternal;
    EXPECT_EQ(WriteMemTableStream(map), before);
    EXPECT_TRUE(map.isOpen());
    EXPECT_TRUE(map.isFiltered());
    EXPECT_EQ(map.currentRow(), 1);
    EXPECT_EQ(map.recId(1), 2);
  }

  FieldModel model;
  QByteArray before;
};

TEST_P(BadFileTest, FailsNamingTheFileAndLeavesTheTableAsItWas) {
  const BadFile& c = GetParam();
  QTemporaryDir dir;
  const QString file = dir.filePath("FieldsInternal.dat");
  {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(c.bytes);
  }
  try {
    LoadMemTable(model.mdFieldsInternal, file);
    ADD_FAILURE() << "loaded without an error";
  } catch (const Error& e) {
    EXPECT_EQ(e.message(), c.named ? file + ": " + c.message : c.message);
  }
  expectUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Files, BadFileTest, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFile>& info) {
                           QString name = QString::fromLatin1(info.param.what);
                           name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                           return name.toStdString();
                         });

TEST(BadFile, NameOfExactly255BytesIsAccepted) {
  FieldModel model;
  const QByteArray name(254, 'N');
  ReadMemTableStream(model.mdFieldsInternal,
                     StreamBytes().header(1).descriptor(4, 3, name).integer(1), "FieldsInternal.dat");
  EXPECT_EQ(model.mdFieldsInternal.rowCount(), 1);
}

}  // namespace
