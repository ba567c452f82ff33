// Writing the value list into a file through the checked field map rows of
// its media type, and what the caller learns about the save.
#include "fields/Error.h"
#include "tests/tags/TagsFixture.h"

namespace quillora {
namespace {

using WriteTags = TagsFixture;

const QString kFile = QStringLiteral("/m/a.mp3");
const QString kSave = QStringLiteral("ID3V2SaveChangesW()");

QString setFrame(int id, const QString& value) {
  return QStringLiteral("ID3V2SetTextFrameW(%1,%2)").arg(id).arg(value);
}

TEST_F(WriteTags, WritesEveryCheckedRowAsTheListHoldsIt) {
  addRows({{31, 1, {}, QStringLiteral("1")},
           {33, 1, {}, QStringLiteral("2")},
           {82, 1, {}, QStringLiteral("3"), false},
           {31, 1, {}, QStringLiteral("$4")},
           {64, 1, QStringLiteral(" 5"), QStringLiteral("5")}});
  const QString odd = QStringLiteral(" a=b שלום ");
  tag.Texts().SetFieldValue(31, odd);
  tag.Texts().SetFieldValue(82, QStringLiteral("1999"));
  tag.Texts().SetFieldValue(64, QStringLiteral("Band"));
  const SaveResult result = commit(kFile);
  EXPECT_EQ(fake_engine::Calls(), (QStringList{Analyzed(kFile), setFrame(1, odd), setFrame(2, QString()),
                                               setFrame(4, odd), setFrame(5, QStringLiteral("Band")), kSave}));
  EXPECT_TRUE(result.written());
  EXPECT_EQ(tag.Texts().Lines().size(), 3);
  EXPECT_FALSE(model.mdFieldsInternal.controlsDisabled());
}

TEST_F(WriteTags, MediaTypesWithoutAWriterAreWalkedButNotSaved) {
  for (const char* file : {"/m/a.tta", "/m/a.aac", "/m/a.mpeg", "/m/a.wavpack", "/m/a"}) {
    SCOPED_TRACE(file);
    fake_engine::Reset();
    const QString name = QString::fromLatin1(file);
    addRows({{31, model.MediaTypeOfFile(name), QStringLiteral("1"), QStringLiteral("1")}});
    tag.Texts().SetFieldValue(31, QStringLiteral("x"));
    const SaveResult result = commit(name);
    EXPECT_EQ(fake_engine::Calls(), QStringList{Analyzed(name)});
    EXPECT_EQ(result.status, SaveResult::Status::NoWriter);
    EXPECT_TRUE(result.error.isEmpty());
  }
}

TEST_F(WriteTags, FileWithoutCheckedRowsIsStillSavedOnce) {
  for (const char* file : {"/m/a.mp3", "/m/a.mp"}) {
    SCOPED_TRACE(file);
    fake_engine::Reset();
    addRows({{31, 1, {}, QStringLiteral("1"), QString::fromLatin1(file).endsWith(QStringLiteral(".mp"))}});
    tag.Texts().SetFieldValue(31, QStringLiteral("x"));
    EXPECT_TRUE(commit(QString::fromLatin1(file)).written());
    EXPECT_EQ(fake_engine::Calls(), (QStringList{Analyzed(QString::fromLatin1(file)), kSave}));
  }
}

TEST_F(WriteTags, FailedSaveGivesTheEnginesReason) {
  addRows({{31, 1, {}, QStringLiteral("1")}});
  fake_engine::SetResult(QStringLiteral("ID3V2SaveChangesW"), QStringLiteral("0"));
  fake_engine::SetResult(QStringLiteral("AUDIOGetLastErrorW"), QStringLiteral("Permission denied"));
  const SaveResult result = commit(kFile);
  EXPECT_TRUE(result.failed());
  EXPECT_EQ(result.error, QStringLiteral("Permission denied"));
  EXPECT_EQ(fake_engine::LiveTexts(), 0);

  fake_engine::SetResult(QStringLiteral("AUDIOGetLastErrorW"), QString());
  const SaveResult silent = commit(kFile);
  EXPECT_TRUE(silent.failed());
  EXPECT_FALSE(silent.error.isEmpty());
}

// A bad integer ends the write before the save, so the earlier setters never
// reach the file. Frame identifiers are read only in checked rows, item
// numbers in every row.
TEST_F(WriteTags, ConversionErrorsEndTheWriteUnsaved) {
  const struct {
    MapRow row;
    const char* error;  // nullptr: no error
  } cases[] = {
      {{33, 1, {}, QStringLiteral("TPE1")}, "''TPE1'' is not a valid integer value"},
      {{33, 1, {}, QStringLiteral("TPE1"), false}, nullptr},
      {{33, 1, QStringLiteral("1x"), QStringLiteral("2"), false}, "''1x'' is not a valid integer value"},
      {{33, 2, QStringLiteral("zz"), QStringLiteral("Author")}, nullptr},  // another media type's row
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row.fieldMediaIdValue.toStdString());
    model.mdFieldsInternal.close();
    model.mdFieldsInternal.open();
    fake_engine::Reset();
    addRows({{31, 1, {}, QStringLiteral("1")}, c.row});
    tag.Texts().SetFieldValue(31, QStringLiteral("x"));
    if (c.error) {
      try {
        commit(kFile);
        ADD_FAILURE() << "no error";
      } catch (const Error& e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(c.error));
      }
      EXPECT_FALSE(fake_engine::Calls().contains(kSave));
    } else {
      EXPECT_TRUE(commit(kFile).written());
    }
    EXPECT_FALSE(model.mdFieldsInternal.controlsDisabled());
  }
}

TEST_F(WriteTags, ClearTagsRemovesTheTagsOfFilesThatHaveAWriter) {
  tag.setFileNAme(QStringLiteral("/m/a.ogg"));
  EXPECT_TRUE(tag.ClearTags().written());
  EXPECT_EQ(fake_engine::Calls(), (QStringList{Analyzed("/m/a.ogg"), QStringLiteral("AUDIOClearTagsW()")}));

  fake_engine::Reset();
  fake_engine::SetResult(QStringLiteral("AUDIOClearTagsW"), QStringLiteral("0"));
  fake_engine::SetResult(QStringLiteral("AUDIOGetLastErrorW"), QStringLiteral("File vanished"));
  const SaveResult failed = tag.Texts().ClearTags(QStringLiteral("/m/a.ogg"));
  EXPECT_TRUE(failed.failed());
  EXPECT_EQ(failed.error, QStringLiteral("File vanished"));

  fake_engine::Reset();
  EXPECT_EQ(tag.Texts().ClearTags(QStringLiteral("/m/a.tta")).status, SaveResult::Status::NoWriter);
  EXPECT_TRUE(fake_engine::Calls().isEmpty());
}

}  // namespace
}  // namespace quillora
