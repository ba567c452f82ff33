// Where the audio lies in container files whose tags are parts of the
// container (RIFF WAV, MP4, ASF, Ogg): the parts a save must leave as they
// are. Each returns empty when the bytes are not a file of that kind.
#pragma once

#include "engine/Format.h"

#include <optional>
#include <string>

namespace quillora::engine {

// Every chunk but the INFO list and the ID3 chunk, header and data.
std::optional<Ranges> riffAudio(const std::string& path);
// The contents of the top-level media data atoms.
std::optional<Ranges> mp4Audio(const std::string& path);
// Everything after the header object (data and index objects).
std::optional<Ranges> asfAudio(const std::string& path);
// The packet bytes of every page but those of the comment packet (the second).
std::optional<Ranges> oggAudio(const std::string& path);

}  // namespace quillora::engine
