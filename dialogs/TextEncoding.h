// Reading and writing small text files in the encoding they came in: a
// byte-order mark picks UTF-8, UTF-16 LE or UTF-16 BE; without one the bytes
// are UTF-8 when they are valid UTF-8 and Windows-1252 otherwise, so files
// written by the Windows program still load.
#pragma once

#include <QByteArray>
#include <QString>

namespace quillora {

enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

struct DecodedText {
  QString text;
  TextEncoding encoding = TextEncoding::Utf8;
};

// Decodes a whole file's bytes; the byte-order mark is not part of the text.
DecodedText DecodeText(const QByteArray& bytes);

// Encodes text in the given encoding, byte-order mark included where the
// encoding has one. Text that Windows-1252 cannot hold, or that would read
// back differently, is written as UTF-8 instead so that nothing is lost.
QByteArray EncodeText(const QString& text, TextEncoding encoding);

}  // namespace quillora
