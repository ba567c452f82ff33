// The built-in rows of the four tables the program always has: media
// formats, field catalogue, field types and picture types. Each function
// appends its rows to the open table, whose columns already exist, and leaves
// the cursor on the first row.
#pragma once

#include "fields/MemTable.h"

namespace quillora {

void FillBuiltinMediaFormats(MemTable& mdMediaFormat);
void FillBuiltinCatalogue(MemTable& mdFields);
void FillBuiltinFieldTypes(MemTable& mdFieldTypes);
void FillBuiltinPictureTypes(MemTable& mdPictureType);

}  // namespace quillora
