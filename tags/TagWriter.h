// Writing: puts the value list into the tag of one file through the field map
// rows of its media type and saves the file; and clearing a file's tags.
#pragma once

#include "tags/SaveResult.h"

#include <QString>

namespace quillora {

class FieldModel;
class TAudioGenie3;
class ValueList;

// Hands the value of every checked row of the file's media type to its
// setter (an empty text for a field without a line) and saves the file once.
// Errors of the walk are thrown before anything is saved.
SaveResult WriteTags(const TAudioGenie3& engine, FieldModel& model, const ValueList& values,
                     const QString& fileName);

// Removes every tag of a file whose media type has a writer.
SaveResult ClearTags(const TAudioGenie3& engine, FieldModel& model, const QString& fileName);

}  // namespace quillora
