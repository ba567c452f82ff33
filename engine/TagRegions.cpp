#include "engine/TagRegions.h"

#include <algorithm>

namespace quillora::engine {

namespace {

constexpr int64_t kId3v2HeaderSize = 10;

int64_t syncsafe(const TagLib::ByteVector& b, unsigned int at) {
  int64_t value = 0;
  for (unsigned int i = at; i < at + 4; ++i) value = value << 7 | (static_cast<unsigned char>(b[i]) & 0x7F);
  return value;
}

// One MPEG audio frame header: what must match between frames, and its length.
struct MpegFrame {
  int version = 0;
  int layer = 0;
  int sampleRate = 0;
  int64_t length = 0;
};

std::optional<MpegFrame> mpegFrameAt(const FileBytes& file, int64_t offset) {
  const TagLib::ByteVector h = file.read(offset, 4);
  if (h.size() < 4) return std::nullopt;
  const auto b1 = static_cast<unsigned char>(h[1]), b2 = static_cast<unsigned char>(h[2]);
  if (static_cast<unsigned char>(h[0]) != 0xFF || (b1 & 0xE0) != 0xE0) return std::nullopt;
  const int version = (b1 >> 3) & 3;  // 0: 2.5, 2: 2, 3: 1
  const int layer = 4 - ((b1 >> 1) & 3);
  const int bitrateIndex = b2 >> 4, rateIndex = (b2 >> 2) & 3, padding = (b2 >> 1) & 1;
  if (version == 1 || layer == 4 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
    return std::nullopt;
  static constexpr int kBitrates[5][14] = {
      {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // 1, layer 1
      {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // 1, layer 2
      {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // 1, layer 3
      {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // 2/2.5, layer 1
      {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};         // 2/2.5, layers 2, 3
  static constexpr int kRates[4][3] = {{11025, 12000, 8000}, {}, {22050, 24000, 16000}, {44100, 48000, 32000}};
  const bool v1 = version == 3;
  const int table = v1 ? layer - 1 : (layer == 1 ? 3 : 4);
  const int64_t bitrate = kBitrates[table][bitrateIndex - 1] * 1000LL;
  const int rate = kRates[version][rateIndex];
  int64_t length = 0;
  if (layer == 1)
    length = (12 * bitrate / rate + padding) * 4;
  else
    length = (layer == 3 && !v1 ? 72 : 144) * bitrate / rate + padding;
  return MpegFrame{version, layer, rate, length};
}

}  // namespace

int64_t id3v2End(const FileBytes& file) {
  int64_t end = 0;
  for (;;) {
    const TagLib::ByteVector h = file.read(end, kId3v2HeaderSize);
    if (h.size() < kId3v2HeaderSize || !h.startsWith("ID3")) return end;
    const bool footer = static_cast<unsigned char>(h[5]) & 0x10;
    end += kId3v2HeaderSize + syncsafe(h, 6) + (footer ? kId3v2HeaderSize : 0);
  }
}

namespace {

// Start of an APE tag whose footer ends at `end`, or `end` when there is none.
int64_t apeTagStart(const FileBytes& file, int64_t floor, int64_t end) {
  const TagLib::ByteVector footer = file.read(end - 32, 32);
  if (end - 32 < floor || footer.size() != 32 || !footer.startsWith("APETAGEX")) return end;
  const int64_t size = footer.toUInt(12, false) + ((footer.toUInt(20, false) & 0x80000000U) ? 32 : 0);
  return size <= end - floor ? end - size : end;
}

}  // namespace

// An APE footer at the very end rules out an ID3v1 tag, whose "TAG" the
// footer's "APETAGEX" may happen to hold 128 bytes before the end.
int64_t trailingTagsStart(const FileBytes& file, int64_t floor) {
  int64_t end = file.size();
  if (const int64_t ape = apeTagStart(file, floor, end); ape != end) return ape;
  if (end - 128 >= floor && file.read(end - 128, 3) == "TAG") end -= 128;
  return apeTagStart(file, floor, end);
}

std::optional<Ranges> mpegAudio(const std::string& path) {
  const FileBytes file(path);
  const int64_t begin = id3v2End(file);
  const int64_t end = trailingTagsStart(file, begin);
  // Zero bytes may pad the space between the tag and the first frame.
  const TagLib::ByteVector start = file.read(begin, std::min<int64_t>(end - begin, 1 << 16));
  int64_t first = begin;
  while (first - begin < start.size() && start[first - begin] == '\0') ++first;
  const auto frame = mpegFrameAt(file, first);
  if (!frame || first + frame->length > end) return std::nullopt;
  const int64_t second = first + frame->length;
  if (second < end) {
    const auto next = mpegFrameAt(file, second);
    if (!next || next->version != frame->version || next->layer != frame->layer ||
        next->sampleRate != frame->sampleRate)
      return std::nullopt;
  }
  return Ranges{{begin, end - begin}};
}

std::optional<Ranges> monkeyAudio(const std::string& path) {
  const FileBytes file(path);
  const int64_t begin = id3v2End(file);
  if (file.read(begin, 4) != "MAC ") return std::nullopt;
  return Ranges{{begin, trailingTagsStart(file, begin) - begin}};
}

std::optional<Ranges> flacAudio(const std::string& path) {
  const FileBytes file(path);
  const int64_t begin = id3v2End(file);
  if (file.read(begin, 4) != "fLaC") return std::nullopt;
  int64_t offset = begin + 4;
  std::optional<Range> streamInfo;
  for (bool last = false; !last;) {
    const TagLib::ByteVector h = file.read(offset, 4);
    if (h.size() < 4) return std::nullopt;
    last = static_cast<unsigned char>(h[0]) & 0x80;
    const int type = h[0] & 0x7F;
    const int64_t length = h.toUInt(1, 3, true);
    if (!streamInfo && type != 0) return std::nullopt;
    if (type == 0) streamInfo = Range{offset + 4, length};
    offset += 4 + length;
  }
  const int64_t end = trailingTagsStart(file, offset);
  if (offset > end) return std::nullopt;
  return Ranges{*streamInfo, {offset, end - offset}};
}

}  // namespace quillora::engine
