// Saving without ever editing the original in place: the changes go into a
// copy beside it, the copy is checked and flushed, and only then renamed
// over the original.
#pragma once

#include "engine/Format.h"

#include <string>

namespace quillora::engine {

// Writes the changes (or, with `clear`, removes every tag) into the file at
// `path`. Throws Failure with the reason when anything fails; the original is
// then as it was. A save that would change no byte leaves the file untouched.
void safeSave(const std::string& path, const Format& format, const Changes& changes, bool clear);

// The reason a file operation failed with the error number `error`, as the
// user is told it.
std::string errnoReason(int error);

// The marker in the names of our working copies. A copy is named
// ".<name>.quillora-tmp-<pid>-XXXXXX", an extension no media format lists.
inline constexpr const char* kTempMarker = ".quillora-tmp-";

}  // namespace quillora::engine
