#include "engine/ContainerRegions.h"

#include "engine/FileBytes.h"

#include <algorithm>

namespace quillora::engine {

namespace {

// Adds a range, joining it to the previous one when they touch.
void add(Ranges& ranges, int64_t offset, int64_t length) {
  if (length <= 0) return;
  if (!ranges.empty() && ranges.back().offset + ranges.back().length == offset)
    ranges.back().length += length;
  else
    ranges.push_back({offset, length});
}

}  // namespace

std::optional<Ranges> riffAudio(const std::string& path) {
  const FileBytes file(path);
  const TagLib::ByteVector head = file.read(0, 12);
  if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return std::nullopt;
  Ranges ranges;
  bool format = false, data = false;
  for (int64_t offset = 12; offset + 8 <= file.size();) {
    const TagLib::ByteVector h = file.read(offset, 12);
    const TagLib::ByteVector id = h.mid(0, 4);
    const int64_t length = std::min<int64_t>(h.toUInt(4, false), file.size() - offset - 8);
    const bool tag = id == "ID3 " || id == "id3 " || (id == "LIST" && h.mid(8, 4) == "INFO");
    if (!tag) add(ranges, offset, 8 + length);
    format |= id == "fmt ";
    data |= id == "data";
    offset += 8 + length + (length & 1);
  }
  if (!format || !data) return std::nullopt;
  return ranges;
}

std::optional<Ranges> mp4Audio(const std::string& path) {
  const FileBytes file(path);
  Ranges ranges;
  bool movie = false;
  for (int64_t offset = 0; offset < file.size();) {
    const TagLib::ByteVector h = file.read(offset, 16);
    if (h.size() < 8) return std::nullopt;
    int64_t length = h.toUInt(0, true), header = 8;
    if (length == 1) {
      if (h.size() < 16) return std::nullopt;
      length = h.toLongLong(8, true), header = 16;
    } else if (length == 0) {
      length = file.size() - offset;
    }
    if (length < header || length > file.size() - offset) return std::nullopt;
    const TagLib::ByteVector type = h.mid(4, 4);
    movie |= type == "moov";
    if (type == "mdat") add(ranges, offset + header, length - header);
    offset += length;
  }
  if (!movie) return std::nullopt;
  return ranges;
}

std::optional<Ranges> asfAudio(const std::string& path) {
  static const TagLib::ByteVector kHeaderGuid("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16);
  const FileBytes file(path);
  const TagLib::ByteVector h = file.read(0, 24);
  if (h.size() < 24 || h.mid(0, 16) != kHeaderGuid) return std::nullopt;
  const auto headerSize = static_cast<int64_t>(h.toLongLong(16, false));
  if (headerSize < 30 || headerSize > file.size()) return std::nullopt;
  return Ranges{{headerSize, file.size() - headerSize}};
}

std::optional<Ranges> oggAudio(const std::string& path) {
  const FileBytes file(path);
  Ranges ranges;
  int packet = 0;
  for (int64_t offset = 0; offset < file.size();) {
    const TagLib::ByteVector h = file.read(offset, 27);
    if (h.size() < 27 || !h.startsWith("OggS")) return std::nullopt;
    const int segments = static_cast<unsigned char>(h[26]);
    const TagLib::ByteVector lacing = file.read(offset + 27, segments);
    if (static_cast<int>(lacing.size()) != segments) return std::nullopt;
    int64_t body = offset + 27 + segments;
    for (int i = 0; i < segments; ++i) {
      const int length = static_cast<unsigned char>(lacing[i]);
      if (packet != 1) add(ranges, body, length);
      body += length;
      if (length < 255) ++packet;
    }
    if (body > file.size()) return std::nullopt;
    offset = body;
  }
  if (packet < 3) return std::nullopt;
  return ranges;
}

}  // namespace quillora::engine
