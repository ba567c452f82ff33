// The saves of one command as one engine batch: each file's copy is written
// and checked as the command reaches it, and the copies replace their files
// together, so the disk is waited for once per batch rather than per file.
// A file counts as written only once its copy has replaced it.
#pragma once

#include "tags/SaveResult.h"
#include "tags/TAudioGenie3.h"

#include <QString>
#include <QVector>

namespace quillora {

// One file the command saved, and what became of it.
struct FileSave {
  int row = -1;
  QString fileName;
  SaveResult result;
};

class SavedTogether {
 public:
  explicit SavedTogether(const TAudioGenie3& engine);
  // A batch left open by an error still replaces the files it checked.
  ~SavedTogether();
  SavedTogether(const SavedTogether&) = delete;
  SavedTogether& operator=(const SavedTogether&) = delete;

  // Ends the batch; a save whose copy could not replace its file becomes a
  // failure with the reason.
  void finish(QVector<FileSave>& saves);

 private:
  const TAudioGenie3& engine_;
  bool open_ = true;
};

}  // namespace quillora
