// A workspace on a real album folder, loaded through the folder scan with
// the real tag engine, as the window does it.
#pragma once

#include "AudioFolder.h"
#include "CommandsFixture.h"

namespace quillora {

class LoadedFolderFixture : public CommandsFixture {
 protected:
  static constexpr int kMp3 = 1, kFlac = 4;
  static constexpr int kCommitTag = 16, kClearTag = 18;

  // Copies (fixture, name) pairs into the folder and loads it ("Refresh").
  void load(std::initializer_list<std::pair<const char*, const char*>> files);
  // The track table row of a file.
  int row(const QString& name) const;
  // Ticks ViewCheck of a field in the fields panel of a media type.
  void tick(int fieldId, int mediaType);
  void setCell(const QString& name, int fieldId, const QVariant& value);
  // Runs "Commit Changes" and gives the message it ended with.
  QString commit(bool eraseTagFirst = false);

  AudioFolder folder;
};

}  // namespace quillora
