#include "engine/FlacFacts.h"

#include "engine/FileBytes.h"
#include "engine/TagRegions.h"

namespace quillora::engine {

std::optional<FlacFacts> readFlacFacts(const std::string& path) {
  const auto ranges = flacAudio(path);
  if (!ranges || ranges->front().length < 34) return std::nullopt;
  const TagLib::ByteVector b = FileBytes(path).read(ranges->front().offset, 18);
  if (b.size() < 18) return std::nullopt;
  FlacFacts facts;
  facts.minBlockSize = b.toUShort(0, true);
  facts.maxBlockSize = b.toUShort(2, true);
  facts.minFrameSize = static_cast<int>(b.toUInt(4, 3, true));
  facts.maxFrameSize = static_cast<int>(b.toUInt(7, 3, true));
  // 20 bits sample rate, 3 bits channels - 1, 5 bits bits per sample - 1, 36 bits samples.
  const unsigned long long packed = b.toLongLong(10, true);
  facts.sampleRate = static_cast<int>(packed >> 44);
  facts.channels = static_cast<int>((packed >> 41) & 0x7) + 1;
  facts.bitsPerSample = static_cast<int>((packed >> 36) & 0x1F) + 1;
  facts.samples = static_cast<int64_t>(packed & 0xFFFFFFFFFULL);
  const double pcmBytes = static_cast<double>(facts.samples) * facts.channels * facts.bitsPerSample / 8.0;
  if (pcmBytes > 0) facts.compressionRatio = static_cast<float>(static_cast<double>(ranges->back().length) / pcmBytes);
  return facts;
}

}  // namespace quillora::engine
