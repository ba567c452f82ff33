// Builds memory-table streams byte by byte, so tests can make files that the
// writer never would: other widths, names in other case, damaged files.
#pragma once

#include <QByteArray>
#include <QtEndian>

namespace quillora::test {

class StreamBytes {
 public:
  StreamBytes& raw(const QByteArray& bytes) { bytes_ += bytes; return *this; }
  template <typename T>
  StreamBytes& number(T value) {
    char buffer[sizeof(T)];
    qToLittleEndian(value, buffer);
    bytes_.append(buffer, sizeof buffer);
    return *this;
  }
  StreamBytes& header(qint32 descriptors, double version = 1.91) {
    return raw("Ver").number(version).number(descriptors);
  }
  StreamBytes& descriptor(qint32 size, quint16 code, const QByteArray& name) {
    return number(size).number(code).number(quint16(name.size() + 1)).raw(name + '\0');
  }
  StreamBytes& text(const QByteArray& bytes) {
    return number(quint8(1)).number(qint32(bytes.size())).raw(bytes);
  }
  StreamBytes& emptyText() { return number(quint8(0)); }
  StreamBytes& integer(qint32 value) { return number(quint8(1)).number(value); }
  StreamBytes& emptyInteger() { return number(quint8(0)).number(qint32(0)); }
  StreamBytes& boolean(quint16 stored) { return number(quint8(1)).number(stored); }
  StreamBytes& emptyBoolean() { return number(quint8(0)).number(quint16(0)); }

  const QByteArray& bytes() const { return bytes_; }
  operator QByteArray() const { return bytes_; }

 private:
  QByteArray bytes_;
};

}  // namespace quillora::test
