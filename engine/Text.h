// Text conversions between the C interface (UTF-16) and TagLib, and the one
// rule for showing several values of an item as one text.
#pragma once

#include <taglib/tstring.h>
#include <taglib/tstringlist.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillora::engine {

// Several values of one item are shown as one text, joined by this.
inline constexpr const char* kValueSeparator = "; ";

TagLib::String fromUtf16(const char16_t* text);
// A new[]-allocated, zero-terminated copy, released by AUDIOFreeStringW.
char16_t* newUtf16(const TagLib::String& text);
char16_t* newUtf16(const std::string& utf8);
char16_t* newUtf16(std::u16string_view text);
TagLib::String joined(const TagLib::StringList& values);
// The four characters of a frame identifier packed big-endian into 32 bits,
// each byte read as Latin-1 (MP4's 0xA9 becomes "\251").
TagLib::String frameKey(int32_t frameId);
// The bytes of a path given through the interface (FileNameBytes.h): any
// name, UTF-8 or not, comes back as the bytes it was read from.
std::string toPath(const char16_t* text);

}  // namespace quillora::engine
