#include "dialogs/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quillora {

TextFileContents ReadTextFile(const QString& fileName) {
  QFile file(fileName);
  if (!QFileInfo::exists(fileName)) return {};
  if (!file.open(QIODevice::ReadOnly)) return {TextFileStatus::Unreadable, {}};
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return {TextFileStatus::Unreadable, {}};
  return {TextFileStatus::Read, DecodeText(bytes)};
}

bool WriteTextFile(const QString& fileName, const QString& text, TextEncoding encoding) {
  QSaveFile file(fileName);
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = EncodeText(text, encoding);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace quillora
