// A reading of the ID3v2 tag at the start of a file that does not go through
// TagLib: the frame identifiers it holds, and the tag rewritten without its
// extended header. TagLib 1.13 skips the last frames of a tag with an extended
// header (it subtracts the header's size twice); both are used to see that a
// save keeps every frame.
#pragma once

#include "engine/Format.h"

#include <optional>
#include <string>
#include <vector>

namespace quillora::engine {

struct RawId3v2 {
  int version = 0;  // 2, 3 or 4
  bool extendedHeader = false;
  std::vector<std::string> frameIds;
};

std::optional<RawId3v2> readRawId3v2(const std::string& path);
// The tag without its extended header, to stand in for the first tag of the
// file; nothing to replace when the tag has none or cannot be rewritten so.
Prefix withoutExtendedHeader(const std::string& path);

}  // namespace quillora::engine
