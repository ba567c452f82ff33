// Saves made while a batch is open. Each save's copy is written and checked
// at once, then waits with the others to replace its file, so that one wait
// for the disk serves many files instead of one wait per file. The copies
// replace their files when the batch ends, when the batch has grown to its
// limits, and before a file with a waiting copy is read or saved again.
// A batch that is never ended replaces nothing: the originals stay.
#pragma once

#include "engine/SafeSave.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillora::engine {

// A file of the batch that could not be replaced, and why.
struct FailedSave {
  std::string path;
  std::string reason;
};

class SaveBatch {
 public:
  // Opens a batch; forgets the failures of the last one. An open batch stays
  // as it is.
  void begin();
  bool isOpen() const { return open_; }
  // Takes the prepared save of the file at `path` (as the caller named it).
  void add(const std::string& path, PreparedSave save);
  // True when a waiting copy is to replace the file at `path`.
  bool waitsFor(const std::string& path) const;
  // Replaces the files of the waiting copies; the failures are kept.
  void complete();
  // Completes and closes the batch; returns how many of its files could not
  // be replaced.
  int end();
  const std::vector<FailedSave>& failures() const { return failures_; }

 private:
  struct Waiting {
    std::string path;
    PreparedSave save;
  };
  std::vector<Waiting> waiting_;
  std::vector<FailedSave> failures_;
  int64_t waitingBytes_ = 0;
  bool open_ = false;
};

}  // namespace quillora::engine
