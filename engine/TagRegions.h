// Where the audio lies in files that carry their tags as blocks before and
// after it (MPEG, Monkey's Audio, FLAC): the parts a save must leave as they
// are. Each returns empty when the bytes are not a file of that kind.
#pragma once

#include "engine/FileBytes.h"
#include "engine/Format.h"

#include <optional>
#include <string>

namespace quillora::engine {

// End of the ID3v2 tags at the start of the file (0 when there are none).
int64_t id3v2End(const FileBytes& file);
// Start of the ID3v1 and APE tags at the end of the file, not before `floor`.
int64_t trailingTagsStart(const FileBytes& file, int64_t floor);

// The MPEG audio frames between the leading and trailing tags; empty unless a
// valid MPEG audio frame starts right after the leading tags (zero padding
// allowed) and is followed by another one of the same stream or by the end.
std::optional<Ranges> mpegAudio(const std::string& path);
std::optional<Ranges> monkeyAudio(const std::string& path);
// The STREAMINFO block and the audio frames after the metadata blocks.
std::optional<Ranges> flacAudio(const std::string& path);

}  // namespace quillora::engine
