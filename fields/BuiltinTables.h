// The built-in rows of the four small tables: media formats, field
// catalogue, field types and picture types. Each function fills an open
// table whose columns the field model has made.
#pragma once

namespace quillora {

class MemTable;

void FillBuiltinMediaFormats(MemTable& table);
void FillBuiltinCatalogue(MemTable& table);
void FillBuiltinFieldTypes(MemTable& table);
void FillBuiltinPictureTypes(MemTable& table);

}  // namespace quillora
