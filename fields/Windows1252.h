// Decoding of stored 8-bit text. The program writes UTF-8; files written by
// the Windows program hold Windows-1252 text, which is rarely valid UTF-8, so
// a text that is not valid UTF-8 is read as Windows-1252.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillora {

QString DecodeUtf8OrWindows1252(QByteArrayView bytes);
QString DecodeWindows1252(QByteArrayView bytes);

}  // namespace quillora
