// Integers written in the field map: an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X", nothing after them.
#pragma once

#include <QString>

#include <cstdint>

namespace quillora {

// Reads a 64-bit integer; leading blanks are allowed. Hexadecimal digits give
// the bit pattern, so "$FFFFFFFFFFFFFFFF" is -1. Throws quillora::Error
// "''<text>'' is not a valid integer value" for anything else.
int64_t StrToInt64(const QString& text);

// The same syntax for a 32-bit integer ("$FFFFFFFF" is -1).
int32_t StrToInt(const QString& text);

// A frame identifier: the low 32 bits of the 64-bit integer the text reads as.
int32_t FrameIdentifier(const QString& text);

// The text without blanks and control characters at either end.
QString TrimBlanks(const QString& text);

}  // namespace quillora
