#include "tags/IntegerText.h"

#include "fields/Error.h"

#include <optional>

namespace quillora {

namespace {

bool isBlank(QChar c) { return c.unicode() <= u' '; }

int hexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

// Parses the syntax for an integer of the given width in bits; nothing when
// the text does not read as one or the value does not fit.
std::optional<int64_t> parse(const QString& text, int bits) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  bool hex = false;
  if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    hex = true;
    i += 2;
  }
  if (i == n) return std::nullopt;
  // Accumulated as the magnitude; hexadecimal may use every bit, decimal up
  // to the signed limit (one more for a negative value).
  const uint64_t hexLimit = bits == 64 ? UINT64_MAX : (uint64_t(1) << bits) - 1;
  const uint64_t decLimit = (uint64_t(1) << (bits - 1)) - (negative ? 0 : 1);
  const uint64_t base = hex ? 16 : 10;
  const uint64_t limit = hex ? hexLimit : decLimit;
  uint64_t value = 0;
  for (; i < n; ++i) {
    const int digit = hex ? hexDigit(text[i]) : (text[i] >= u'0' && text[i] <= u'9' ? text[i].unicode() - u'0' : -1);
    if (digit < 0) return std::nullopt;
    if (value > (limit - uint64_t(digit)) / base) return std::nullopt;
    value = value * base + uint64_t(digit);
  }
  // Hexadecimal digits are a bit pattern of the given width.
  if (hex && bits == 32) value = uint64_t(int64_t(int32_t(uint32_t(value))));
  const uint64_t result = negative ? uint64_t(0) - value : value;
  return int64_t(result);
}

[[noreturn]] void invalid(const QString& text) {
  throw Error(QStringLiteral("''%1'' is not a valid integer value").arg(text));
}

}  // namespace

int64_t StrToInt64(const QString& text) {
  if (const auto value = parse(text, 64)) return *value;
  invalid(text);
}

int32_t StrToInt(const QString& text) {
  if (const auto value = parse(text, 32)) return int32_t(*value);
  invalid(text);
}

int32_t FrameIdentifier(const QString& text) { return int32_t(uint32_t(uint64_t(StrToInt64(text)))); }

QString TrimBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.mid(begin, end - begin);
}

}  // namespace quillora
