// Small helpers for tests that write and read whole files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quillora::testing {

inline void WriteBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write the test file %s", qPrintable(fileName));
  }
}

inline QByteArray ReadBytes(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace quillora::testing
