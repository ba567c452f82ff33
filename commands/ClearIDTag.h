// The tag-clearing operation shared by "Commit Clear id3 tag" and the
// commit's "Erase Tag Before do commit to tracks".
#pragma once

#include "tags/SaveResult.h"

#include <QString>

namespace quillora {

class TMetaTag;

// Points the tag object at the file and removes every tag of it through the
// engine. A file whose media type has no writer is left as it is.
SaveResult ClearIDTag(TMetaTag& tag, const QString& fileName);

}  // namespace quillora
