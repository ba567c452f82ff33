// The field map and catalogue files in the current directory: loaded when
// the window is created, and by the command-line tool (the shipped defaults
// stand in for a missing file); saved when the window is destroyed.
#pragma once

#include <QStringList>

namespace quillora {

class FieldModel;

inline constexpr const char* kFieldMapFile = "FieldsInternal.dat";
inline constexpr const char* kCatalogueFile = "FieldsInternal.dtt";

// Loads both files and opens the field map. Returns the errors met; a file
// that is rejected leaves its table as it was.
QStringList LoadFieldFiles(FieldModel& fields);
// Saves the field map, then the catalogue. Returns the errors met.
QStringList SaveFieldFiles(const FieldModel& fields);

}  // namespace quillora
