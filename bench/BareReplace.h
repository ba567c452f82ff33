// The floor under any save that never edits a file in place: each file
// replaced by a new copy of its own bytes, with no tag work at all.
#pragma once

#include <QString>

namespace quillora::bench {

// Copies every file of the folder into a new file beside it, flushes the
// copies 64 at a time and renames each over its file. Returns the files
// replaced.
int ReplaceFolderWithCopies(const QString& folder);

}  // namespace quillora::bench
