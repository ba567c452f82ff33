// Naming a field on the command line: by its identifier ("31") or by its
// name in the field catalogue, in any letter case ("Album", "album").
#pragma once

#include <QString>

namespace quillora {
class FieldModel;
}

namespace quillora::cli {

// The field identifier; throws UsageError for a name that names no field
// or several.
int FieldOfName(const FieldModel& fields, const QString& name);

}  // namespace quillora::cli
