// A temporary folder of copies of the audio fixtures, addressed by raw bytes
// so that names which are not UTF-8 stay exactly as made. Its root may be
// entered by any user, for the tests that run the tool without root rights.
#pragma once

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

namespace quillora {

class FaultFolder {
 public:
  FaultFolder();
  // Removes the tree by its bytes: QTemporaryDir cannot name a file whose
  // name is not UTF-8.
  ~FaultFolder();
  FaultFolder(const FaultFolder&) = delete;
  FaultFolder& operator=(const FaultFolder&) = delete;

  // The temporary root, where the tool runs and writes its output files.
  QByteArray root() const { return root_; }
  // The folder of audio files, root/music.
  QByteArray path() const { return root_ + "/music"; }
  QByteArray file(const QByteArray& relativeName) const { return path() + '/' + relativeName; }
  // Copies tests/data/<fixture> to the relative name, making its folders.
  void add(const char* fixture, const QByteArray& relativeName) const;
  // Every entry below the music folder, folders and files, as relative
  // names, sorted by bytes.
  QList<QByteArray> tree() const;

 private:
  QTemporaryDir dir_;
  QByteArray root_;
};

QByteArray FixtureBytes(const char* fixture);
QByteArray ReadBytes(const QByteArray& path);
void WriteBytes(const QByteArray& path, const QByteArray& bytes);
// Makes every folder of the path.
void MakeFolders(const QByteArray& path);

}  // namespace quillora
