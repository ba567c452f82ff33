// File names on Linux are bytes, and need not be UTF-8. The program and the
// engine's interface carry them as UTF-16 text: the bytes that form UTF-8
// characters as those characters, every other byte b as the lone surrogate
// U+DC00 + b (U+DC80 to U+DCFF), so that any name comes back as the very
// bytes it was read from. Qt's own file name codec puts U+FFFD in place of
// such bytes, and a file named so could be listed but never opened again.
// Plain C++, so the engine and the Qt code share one rule.
#pragma once

#include <string>
#include <string_view>

namespace quillora {

// The text of a file name read from the file system.
inline std::u16string fileNameText(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    char32_t c = lead;
    size_t length = 1;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      c = lead & 0x1F, length = 2, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      c = lead & 0x0F, length = 3, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      c = lead & 0x07, length = 4, least = 0x10000;
    }
    bool valid = lead < 0x80 || (length > 1 && i + length <= bytes.size());
    for (size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      valid = (next & 0xC0) == 0x80;
      c = c << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    valid = valid && c >= least && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    if (!valid) {
      text += static_cast<char16_t>(0xDC00 + lead);
      ++i;
      continue;
    }
    if (c >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
    i += length;
  }
  return text;
}

// The bytes of a file name given as text. A surrogate that is neither half
// of a pair nor an escaped byte (no file name gives one) becomes U+FFFD.
inline std::string fileNameBytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    if (pair) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xDC80 && c <= 0xDCFF) {
      bytes += static_cast<char>(c - 0xDC00);
      continue;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | c >> 6);
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += static_cast<char>(0xE0 | c >> 12);
      bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | c >> 18);
      bytes += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

}  // namespace quillora
