// A temporary album folder, "Some Band - 1999 - First Album", holding copies
// of the audio fixtures, and reading its files' tags with TagLib directly.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

namespace quillora {

class AudioFolder {
 public:
  AudioFolder();

  // The album folder's path.
  QString path() const { return path_; }
  QString file(const QString& name) const { return path_ + QLatin1Char('/') + name; }
  // Copies tests/data/<fixture> into the folder as <name>, writable.
  void add(const QString& fixture, const QString& name);
  QByteArray bytes(const QString& name) const;
  // The file's value of a tag property ("ALBUM", "ALBUMARTIST", "DATE"), as
  // TagLib reads it; several values are joined with " / ".
  QString property(const QString& name, const std::string& key) const;
  // True when TagLib finds no tag property at all in the file.
  bool hasNoTags(const QString& name) const;
  // The temporary folder, the album folder and every file in it.
  QStringList paths() const;

 private:
  QTemporaryDir root_;
  QString path_;
};

}  // namespace quillora
