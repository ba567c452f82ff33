// Saving without ever editing the original in place: the changes go into a
// copy beside it, the copy is checked and flushed, and only then renamed
// over the original.
#pragma once

#include "engine/Format.h"
#include "engine/WorkingCopy.h"

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>

namespace quillora::engine {

// A checked copy of a file with a save's changes, waiting to replace it.
struct PreparedSave {
  std::unique_ptr<WorkingCopy> copy;
  struct stat original {};  // the file when the save began
};

// The items the file holds once the save is done, and the copy that is to
// replace it: none when the save would change no byte.
struct SaveWork {
  Items items;
  std::optional<PreparedSave> prepared;
};

// Writes the changes (or, with `clear`, removes every tag) into a copy beside
// the file at `path` and checks the copy. Throws Failure with the reason; the
// original is as it was. A save that would change no byte gives no copy and
// leaves the file untouched.
SaveWork prepareSave(const std::string& path, const Format& format, const Changes& changes, bool clear);

// Throws Failure when the file of a prepared save is no longer the one the
// save read: replacing it would lose what changed it.
void checkUnchanged(const PreparedSave& save);

// Puts the copy in place of its file at once: checked, flushed, renamed, and
// the folder flushed. Throws Failure.
void replaceNow(PreparedSave& save);

// The reason a file operation failed with the error number `error`, as the
// user is told it.
std::string errnoReason(int error);

// The marker in the names of our working copies. A copy is named
// ".<name>.quillora-tmp-<pid>-XXXXXX", an extension no media format lists.
inline constexpr const char* kTempMarker = ".quillora-tmp-";

}  // namespace quillora::engine
