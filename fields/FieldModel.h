// The field model: the four built-in tables (field catalogue, field types,
// media formats, picture types) and the field map, with the media type
// lookups and the field map filter that every other layer uses.
#pragma once

#include "fields/MemTable.h"

#include <QString>

namespace quillora {

// Column positions of the field map, in the table's column order.
struct FieldMapColumns {
  int ID, FieldID, FieldName, FieldMediaID, FieldMediaIDValue, FieldMediaIDCode, MediaTypeID,
      MediaTypeName, FormatExt, FieldTypeID, FieldTypeName, InternalBatchValue, BatchValue,
      ColumnIndex, ViewCheck, BatchCheck;
};

// Column positions of the field catalogue.
struct CatalogueColumns {
  int ViewCheck, BatchCheck, ID, Name, BatchValue, FieldTypeID, FieldTypeName, FieldSize,
      cxGridColumnIndex;
};

class FieldModel {
 public:
  // Builds the four built-in tables, open with their rows, and the field map,
  // closed and empty.
  FieldModel();
  FieldModel(const FieldModel&) = delete;
  FieldModel& operator=(const FieldModel&) = delete;

  MemTable mdMediaFormat{"mdMediaFormat"};
  MemTable mdFields{"mdFields"};
  MemTable mdFieldTypes{"mdFieldTypes"};
  MemTable mdPictureType{"mdPictureType"};
  MemTable mdFieldsInternal{"mdFieldsInternal"};

  const FieldMapColumns& fm() const { return fm_; }
  const CatalogueColumns& cat() const { return cat_; }

  int MediaTypeOfExt(const QString& ext);
  int MediaTypeOfFile(const QString& fileName);
  QString ExtensionList() const;
  // True when the upper-cased extension is one whole entry of some media
  // format's list.
  bool IsKnownExtension(const QString& ext) const;

  // The catalogue row (absolute index) of a field; a row with a blank ID is
  // no field's. -1 when there is none.
  int CatalogueRow(int fieldId) const;

  int FilterFieldMap(int fieldId, int mediaType, int columnPosition);
  // The first field map row (absolute index) of a field and a media type,
  // whatever the filter; -1 when there is none.
  int FieldMapRow(int fieldId, int mediaType) const;
  void ResetFieldMapView();

 private:
  FieldMapColumns fm_{};
  CatalogueColumns cat_{};
};

// The extension of the last path component without its dot, as written:
// empty when the name has no dot after its last "/".
QString FileExtension(const QString& fileName);
// Upper-cases the letters a to z only.
QString AsciiUpper(const QString& text);

}  // namespace quillora
