#include "engine/Text.h"

#include "engine/FileNameBytes.h"

#include <taglib/tbytevector.h>

#include <algorithm>

namespace quillora::engine {

TagLib::String fromUtf16(const char16_t* text) {
  if (!text) return {};
  TagLib::ByteVector bytes;
  for (const char16_t* c = text; *c; ++c) {
    bytes.append(static_cast<char>(*c & 0xFF));
    bytes.append(static_cast<char>(*c >> 8));
  }
  return TagLib::String(bytes, TagLib::String::UTF16LE);
}

char16_t* newUtf16(const TagLib::String& text) {
  const TagLib::ByteVector bytes = text.data(TagLib::String::UTF16LE);
  const unsigned int units = bytes.size() / 2;
  auto* out = new char16_t[units + 1];
  for (unsigned int i = 0; i < units; ++i)
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  out[units] = 0;
  return out;
}

char16_t* newUtf16(const std::string& utf8) {
  return newUtf16(TagLib::String(utf8, TagLib::String::UTF8));
}

char16_t* newUtf16(std::u16string_view text) {
  auto* out = new char16_t[text.size() + 1];
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = 0;
  return out;
}

TagLib::String joined(const TagLib::StringList& values) {
  return values.toString(kValueSeparator);
}

TagLib::String frameKey(int32_t frameId) {
  const auto id = static_cast<uint32_t>(frameId);
  TagLib::ByteVector bytes;
  for (int shift = 24; shift >= 0; shift -= 8) bytes.append(static_cast<char>((id >> shift) & 0xFF));
  return TagLib::String(bytes, TagLib::String::Latin1);
}

std::string toPath(const char16_t* text) {
  return text ? fileNameBytes(text) : std::string();
}

}  // namespace quillora::engine
