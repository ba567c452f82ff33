// How a track's file is addressed: the folder box's folder, "/", and the
// track's relative name ("Live/Disc 1/01 Intro.mp3"). An empty folder stands
// for the root folder.
#pragma once

#include "engine/FileNameBytes.h"

#include <QByteArray>
#include <QString>

namespace quillora {

inline QString FullFileName(const QString& folder, const QString& relativeName) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + relativeName;
  return folder + QLatin1Char('/') + relativeName;
}

// A name read from the file system and the bytes that name it again, any
// bytes, UTF-8 or not (engine/FileNameBytes.h). Used in place of
// QFile::decodeName and QFile::encodeName, which cannot give back a byte
// that is not UTF-8.
inline QString FileNameText(const QByteArray& bytes) {
  return QString::fromStdU16String(fileNameText({bytes.constData(), size_t(bytes.size())}));
}
inline QByteArray FileNameBytes(const QString& name) {
  const auto* units = reinterpret_cast<const char16_t*>(name.utf16());
  const std::string bytes = fileNameBytes({units, size_t(name.size())});
  return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace quillora
