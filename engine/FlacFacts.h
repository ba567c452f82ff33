// The facts of a FLAC stream, read from its STREAMINFO block by hand (TagLib
// 1.13 gives no access to the block).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillora::engine {

struct FlacFacts {
  int minBlockSize = 0, maxBlockSize = 0;
  int minFrameSize = 0, maxFrameSize = 0;
  int sampleRate = 0, channels = 0, bitsPerSample = 0;
  int64_t samples = 0;
  // Bytes of the audio frames over the bytes of the same samples as PCM
  // (samples x channels x bits / 8): 0.5 means half the size; 0 when the
  // stream does not say how many samples it holds.
  float compressionRatio = 0;
};

std::optional<FlacFacts> readFlacFacts(const std::string& path);

}  // namespace quillora::engine
