#include "dialogs/TextEncoding.h"

#include "fields/Windows1252.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace quillora {
namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LEBom("\xFF\xFE", 2);
const QByteArray kUtf16BEBom("\xFE\xFF", 2);

// The encoding is the inverse of the decoder's table, so the two never differ.
std::optional<QByteArray> EncodeCp1252(const QString& text) {
  static const QHash<char16_t, char> bytesOf = [] {
    QHash<char16_t, char> map;
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      map.insert(DecodeWindows1252(QByteArrayView(&byte, 1)).at(0).unicode(), byte);
    }
    return map;
  }();
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar ch : text) {
    const auto found = bytesOf.constFind(ch.unicode());
    if (found == bytesOf.constEnd()) return std::nullopt;
    bytes.append(*found);
  }
  return bytes;
}

// The mark has been taken off already; a second one is text.
constexpr auto kDecoderFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString Decode(QStringConverter::Encoding encoding, QByteArrayView bytes) {
  QStringDecoder decoder(encoding, kDecoderFlags);
  return decoder.decode(bytes);
}

QByteArray Encode(QStringConverter::Encoding encoding, const QString& text) {
  QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
  return encoder.encode(text);
}

}  // namespace

DecodedText DecodeText(const QByteArray& bytes) {
  if (bytes.startsWith(kUtf8Bom)) {
    return {Decode(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3)),
            TextEncoding::Utf8Bom};
  }
  if (bytes.startsWith(kUtf16LEBom)) {
    return {Decode(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2)),
            TextEncoding::Utf16LE};
  }
  if (bytes.startsWith(kUtf16BEBom)) {
    return {Decode(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2)),
            TextEncoding::Utf16BE};
  }
  QStringDecoder utf8(QStringConverter::Utf8, kDecoderFlags);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return {text, TextEncoding::Utf8};
  return {DecodeWindows1252(bytes), TextEncoding::Windows1252};
}

QByteArray EncodeText(const QString& text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8Bom:
      return kUtf8Bom + Encode(QStringConverter::Utf8, text);
    case TextEncoding::Utf16LE:
      return kUtf16LEBom + Encode(QStringConverter::Utf16LE, text);
    case TextEncoding::Utf16BE:
      return kUtf16BEBom + Encode(QStringConverter::Utf16BE, text);
    case TextEncoding::Windows1252:
      if (const auto bytes = EncodeCp1252(text); bytes && DecodeText(*bytes).text == text) {
        return *bytes;
      }
      break;
    case TextEncoding::Utf8:
      break;
  }
  return Encode(QStringConverter::Utf8, text);
}

}  // namespace quillora
