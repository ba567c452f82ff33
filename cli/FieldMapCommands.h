// The fieldmap command group: reading and changing the field map and
// catalogue files ("FieldsInternal.dat", "FieldsInternal.dtt") as TSV.
#pragma once

#include "cli/CommandGroup.h"

namespace quillora::cli {

CommandGroup FieldMapCommands();

}  // namespace quillora::cli
