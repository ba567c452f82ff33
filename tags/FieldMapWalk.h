// The walk that reading and writing share: make the file the engine's current
// file, filter the field map to the file's media type and visit its rows with
// the field map's views frozen.
#pragma once

#include <QString>

#include <functional>

namespace quillora {

class FieldModel;
class TAudioGenie3;

// One field map row as the walk reads it.
struct MappedRow {
  int fieldId;
  int mediaType;
  QString keyText;  // FieldMediaIDValue without blanks at either end
  int itemNumber;   // FieldMediaID; -1 when blank
  bool viewCheck;
};

// Walks the rows of the file's media type in stored order and visits each
// row whose media type lists the file's extension as a whole entry. Every
// row's FieldMediaID is read, so a bad one ends the walk with the conversion
// error even in a row that is not visited. The filter stays in force
// afterwards. Returns the file's media type.
int WalkFieldMap(const TAudioGenie3& engine, FieldModel& model, const QString& fileName,
                 const std::function<void(const MappedRow&)>& visit);

}  // namespace quillora
