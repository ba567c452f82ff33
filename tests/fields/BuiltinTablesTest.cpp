// The built-in rows of the four tables.
#include "fields/FieldModel.h"

#include <gtest/gtest.h>

using namespace quillora;

namespace {

QString text(const MemTable& table, int row, const char* column) {
  return table.value(row, table.columnIndexOrThrow(column)).toString();
}

TEST(BuiltinCatalogue, HoldsIdentifiers0To99InOrderWithOnlyIdAndName) {
  FieldModel model;
  const MemTable& fields = model.mdFields;
  ASSERT_EQ(fields.rowCount(), 100);
  const auto& cat = model.cat();
  for (int row = 0; row < 100; ++row) {
    EXPECT_EQ(fields.value(row, cat.ID), QVariant(row));
    for (int c : {cat.ViewCheck, cat.BatchCheck, cat.BatchValue, cat.FieldTypeID, cat.FieldSize,
                  cat.cxGridColumnIndex})
      EXPECT_TRUE(fields.value(row, c).isNull()) << "row " << row << " column " << c;
  }
  EXPECT_EQ(fields.currentRow(), 0);
}

TEST(BuiltinCatalogue, NamesKeepTheirBlanksAndLineBreaks) {
  const struct {
    int id;
    const char* name;
  } cases[] = {
      {0, "Erroneous frame, ie chars not in [a..z, A..Z, 0..9]"},
      {12, " General encapsulated object"},
      {31, "Album/Movie/Show title"},
      {49, "Title/songname/content description"},
      {50, "Subtitle/Description refinement \r\n"},
      {51, "Initial key \r\n"},
      {52, "Language(s) \r\n"},
      {53, "Length"},
      {54, "Musician credits list \r\n"},
      {57, "Original album/movie/show title \r\n"},
      {58, "Original filename "},
      {68, "Produced notice "},
      {69, "Publisher"},
      {70, "Track number/Position in set "},
      {73, "Internet radio station owner "},
      {74, "Size"},
      {75, "Album sort order "},
      {77, "Title sort order "},
      {78, "ISRC (international standard recording code)"},
      {79, "Software/Hardware and settings used for encoding "},
      {81, "User defined text information "},
      {82, "Year"},
      {83, "Unique file identifier "},
      {96, "Compressed meta frame (ID3v2.2.1) "},
      {97, ""},
      {99, ""},
  };
  FieldModel model;
  for (const auto& c : cases)
    EXPECT_EQ(text(model.mdFields, c.id, "Name"), QString::fromLatin1(c.name)) << c.id;
}

TEST(BuiltinTables, FieldTypesMediaFormatsAndPictureTypes) {
  FieldModel model;
  const MemTable& types = model.mdFieldTypes;
  ASSERT_EQ(types.rowCount(), 5);
  EXPECT_TRUE(types.value(0, 0).isNull());
  EXPECT_EQ(text(types, 0, "TypeName"), "Unknown");
  EXPECT_EQ(types.value(4, 0), QVariant(4));
  EXPECT_EQ(text(types, 4, "TypeName"), "Integer");

  const MemTable& formats = model.mdMediaFormat;
  ASSERT_EQ(formats.rowCount(), 14);
  for (int row = 0; row < 14; ++row) EXPECT_EQ(formats.value(row, 0), QVariant(row));
  EXPECT_TRUE(formats.value(0, 2).isNull());
  EXPECT_TRUE(formats.value(3, 2).isNull());
  EXPECT_EQ(text(formats, 6, "FormatName"), "OGGVORBIS");
  EXPECT_EQ(text(formats, 9, "FormatExt"), ",MP4,M4A,M4V,");
  EXPECT_EQ(text(formats, 12, "FormatExt"), ",MP4,M4A,M4V,");

  const MemTable& pictures = model.mdPictureType;
  ASSERT_EQ(pictures.rowCount(), 21);
  EXPECT_EQ(text(pictures, 0, "FieldName"), "Other");
  EXPECT_EQ(text(pictures, 16, "FieldName"), "Movie Video Screen C");
  EXPECT_EQ(text(pictures, 20, "FieldName"), "Publisher Studio Log");
}

TEST(BuiltinTables, CatalogueLookupShowsTheFieldTypeName) {
  FieldModel model;
  const auto& cat = model.cat();
  model.mdFields.setValue(31, cat.FieldTypeID, 1);
  model.mdFields.setValue(32, cat.FieldTypeID, 0);
  EXPECT_EQ(model.mdFields.value(31, cat.FieldTypeName), QVariant("String"));
  EXPECT_TRUE(model.mdFields.value(32, cat.FieldTypeName).isNull());  // the Unknown row has no TypeID
}

}  // namespace
