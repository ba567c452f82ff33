// The benchmark's own music library in a temporary folder: tagged base files
// (MP3 with ID3v2.3 and with ID3v2.4, FLAC, M4A) and folders of copies.
#pragma once

#include <QString>
#include <QStringList>

namespace quillora::bench {

class BenchLibrary {
 public:
  explicit BenchLibrary(QString root) : root_(std::move(root)) {}

  // Copies the small fixtures from `fixtures` and sets the ten bench fields
  // in each with TagLib. Returns the base files.
  QStringList makeSmallBases(const QString& fixtures) const;
  // Makes one file of each kind of about `bytes` bytes with ffmpeg (noise,
  // so it does not compress away) and sets the bench fields.
  QStringList makeLargeBases(qint64 bytes) const;
  // A new folder `name` holding `count` copies, taking the bases in turn.
  QString makeFolder(const QString& name, const QStringList& bases, int count) const;
  // A copy of a folder made by makeFolder, under a new name.
  QString copyFolder(const QString& folder, const QString& name) const;

 private:
  QString root_;
};

// Sets the ten bench fields in a file with TagLib; an MP3 keeps the ID3v2
// version given.
void SetBenchFields(const QString& file, int id3v2Version);

}  // namespace quillora::bench
