#include "fields/FieldModel.h"

#include "fields/BuiltinTables.h"

namespace quillora {

namespace {

constexpr auto kString = FieldType::String;
constexpr auto kInteger = FieldType::Integer;
constexpr auto kBoolean = FieldType::Boolean;

int intOf(const MemTable& table, int row, int column) { return table.value(row, column).toInt(); }

}  // namespace

QString FileExtension(const QString& fileName) {
  const int slash = fileName.lastIndexOf(QLatin1Char('/'));
  const int dot = fileName.lastIndexOf(QLatin1Char('.'));
  if (dot <= slash) return QString();
  return fileName.mid(dot + 1);
}

QString AsciiUpper(const QString& text) {
  QString result = text;
  for (QChar& c : result)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
  return result;
}

FieldModel::FieldModel() {
  mdMediaFormat.addColumn("ID", kInteger);
  mdMediaFormat.addColumn("FormatName", kString, 20);
  mdMediaFormat.addColumn("FormatExt", kString, 30);
  mdMediaFormat.open();
  FillBuiltinMediaFormats(mdMediaFormat);

  mdFieldTypes.addColumn("TypeID", kInteger);
  mdFieldTypes.addColumn("TypeName", kString, 20);
  mdFieldTypes.open();
  FillBuiltinFieldTypes(mdFieldTypes);

  cat_.ViewCheck = mdFields.addColumn("ViewCheck", kBoolean);
  cat_.BatchCheck = mdFields.addColumn("BatchCheck", kBoolean);
  cat_.ID = mdFields.addColumn("ID", kInteger);
  cat_.Name = mdFields.addColumn("Name", kString, 100);
  cat_.BatchValue = mdFields.addColumn("BatchValue", kString, 500);
  cat_.FieldTypeID = mdFields.addColumn("FieldTypeID", kInteger);
  cat_.FieldTypeName = mdFields.addLookupColumn("FieldTypeName", kString, 20, "FieldTypeID",
                                                &mdFieldTypes, "TypeID", "TypeName");
  cat_.FieldSize = mdFields.addColumn("FieldSize", kInteger);
  cat_.cxGridColumnIndex = mdFields.addColumn("cxGridColumnIndex", kInteger);
  mdFields.open();
  FillBuiltinCatalogue(mdFields);

  mdPictureType.addColumn("ID", kInteger);
  mdPictureType.addColumn("FieldName", kString, 20);
  mdPictureType.open();
  FillBuiltinPictureTypes(mdPictureType);

  MemTable& m = mdFieldsInternal;
  fm_.ID = m.addColumn("ID", kInteger);
  fm_.FieldID = m.addColumn("FieldID", kInteger);
  fm_.FieldName = m.addLookupColumn("FieldName", kString, 100, "FieldID", &mdFields, "ID", "Name");
  fm_.FieldMediaID = m.addColumn("FieldMediaID", kString, 20);
  fm_.FieldMediaIDValue = m.addColumn("FieldMediaIDValue", kString, 20);
  fm_.FieldMediaIDCode = m.addColumn("FieldMediaIDCode", kString, 5);
  fm_.MediaTypeID = m.addColumn("MediaTypeID", kInteger);
  fm_.MediaTypeName = m.addLookupColumn("MediaTypeName", kString, 20, "MediaTypeID",
                                        &mdMediaFormat, "ID", "FormatName");
  fm_.FormatExt = m.addLookupColumn("FormatExt", kString, 30, "MediaTypeID", &mdMediaFormat,
                                    "ID", "FormatExt");
  fm_.FieldTypeID = m.addLookupColumn("FieldTypeID", kInteger, 4, "FieldID", &mdFields, "ID",
                                      "FieldTypeID");
  fm_.FieldTypeName = m.addLookupColumn("FieldTypeName", kString, 20, "FieldTypeID",
                                        &mdFieldTypes, "TypeID", "TypeName");
  // Batch values keep an album name whole: 500 characters, as in the catalogue.
  fm_.InternalBatchValue = m.addColumn("InternalBatchValue", kString, 500);
  fm_.BatchValue = m.addLookupColumn("BatchValue", kString, 500, "FieldID", &mdFields, "ID",
                                     "BatchValue");
  fm_.ColumnIndex = m.addColumn("ColumnIndex", kInteger);
  fm_.ViewCheck = m.addColumn("ViewCheck", kBoolean);
  fm_.BatchCheck = m.addColumn("BatchCheck", kBoolean);
}

int FieldModel::MediaTypeOfExt(const QString& ext) {
  const QString upper = AsciiUpper(ext);
  if (upper.isEmpty()) return -1;
  for (int row = 0; row < mdMediaFormat.rowCount(); ++row)
    if (mdMediaFormat.value(row, 2).toString().contains(upper)) return intOf(mdMediaFormat, row, 0);
  return -1;
}

int FieldModel::MediaTypeOfFile(const QString& fileName) {
  return MediaTypeOfExt(FileExtension(fileName));
}

QString FieldModel::ExtensionList() const {
  QString list;
  for (int row = 0; row < mdMediaFormat.rowCount(); ++row) list += mdMediaFormat.value(row, 2).toString();
  return list;
}

bool FieldModel::IsKnownExtension(const QString& ext) const {
  if (ext.isEmpty()) return false;
  // Every list begins and ends with a comma, so the joined lists hold an
  // entry between commas exactly when one of them does.
  return AsciiUpper(ExtensionList()).contains(QLatin1Char(',') + AsciiUpper(ext) + QLatin1Char(','));
}

int FieldModel::CatalogueRow(int fieldId) const {
  for (int row = 0; row < mdFields.rowCount(); ++row) {
    const QVariant id = mdFields.value(row, cat_.ID);
    if (!id.isNull() && id.toInt() == fieldId) return row;
  }
  return -1;
}

int FieldModel::FilterFieldMap(int fieldId, int mediaType, int columnPosition) {
  MemTable& m = mdFieldsInternal;
  ControlsFrozen frozen(m);
  QVector<int> visible;
  for (int row = 0; row < m.rowCount(); ++row) {
    if (fieldId != -1 && intOf(m, row, fm_.FieldID) != fieldId) continue;
    if (columnPosition != -1 && intOf(m, row, fm_.ColumnIndex) != columnPosition) continue;
    if (intOf(m, row, fm_.MediaTypeID) != mediaType) continue;
    visible.push_back(row);
  }
  m.setFilter(std::move(visible));
  if (m.isEmpty()) return -1;
  m.first();
  return m.fieldValue(fm_.ColumnIndex).toInt();
}

int FieldModel::FieldMapRow(int fieldId, int mediaType) const {
  const MemTable& m = mdFieldsInternal;
  for (int row = 0; row < m.rowCount(); ++row)
    if (intOf(m, row, fm_.FieldID) == fieldId && intOf(m, row, fm_.MediaTypeID) == mediaType) return row;
  return -1;
}

void FieldModel::ResetFieldMapView() {
  MemTable& m = mdFieldsInternal;
  ControlsFrozen frozen(m);
  for (m.first(); !m.eof(); m.next()) {
    m.edit();
    m.setFieldValue(fm_.ColumnIndex, -1);
    m.setFieldValue(fm_.ViewCheck, false);
    m.post();
  }
}

}  // namespace quillora
