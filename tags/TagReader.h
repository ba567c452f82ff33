// Reading: fills the value list with the tag values of one file, one value
// per field map row of the file's media type.
#pragma once

#include <QString>

namespace quillora {

class FieldModel;
class TAudioGenie3;
class ValueList;

// Empties the list and stores the value of every row of the file's media
// type. Errors of the walk (a bad FieldMediaID or frame identifier) leave the
// values stored before the failing row.
void ReadTags(const TAudioGenie3& engine, FieldModel& model, ValueList& values,
              const QString& fileName);

// The compression ratio as text: 15 significant digits, trailing zeros
// dropped, with the given decimal separator.
QString RatioText(float ratio, const QString& decimalPoint);

}  // namespace quillora
