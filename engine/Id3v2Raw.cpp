#include "engine/Id3v2Raw.h"

#include "engine/FileBytes.h"

#include <cctype>

namespace quillora::engine {

namespace {

constexpr unsigned int kHeaderSize = 10;
constexpr unsigned char kUnsynchronised = 0x80, kExtended = 0x40, kFooter = 0x10;

uint32_t syncsafe(const TagLib::ByteVector& b, unsigned int at) {
  uint32_t value = 0;
  for (unsigned int i = at; i < at + 4; ++i) value = value << 7 | (static_cast<unsigned char>(b[i]) & 0x7F);
  return value;
}

TagLib::ByteVector syncsafeBytes(uint32_t value) {
  TagLib::ByteVector out;
  for (int shift = 21; shift >= 0; shift -= 7) out.append(static_cast<char>((value >> shift) & 0x7F));
  return out;
}

// The tag's header and body (after the header, without a footer).
struct TagBytes {
  TagLib::ByteVector header, body;
};

std::optional<TagBytes> tagBytes(const std::string& path) {
  const FileBytes file(path);
  const TagLib::ByteVector header = file.read(0, kHeaderSize);
  if (header.size() < kHeaderSize || !header.startsWith("ID3")) return std::nullopt;
  const uint32_t size = syncsafe(header, 6);
  TagLib::ByteVector body = file.read(kHeaderSize, size);
  if (body.size() != size) return std::nullopt;
  return TagBytes{header, body};
}

// Size of the extended header at the start of the body, 0 when unreadable.
uint32_t extendedHeaderSize(const TagBytes& tag, int version) {
  if (tag.body.size() < 6) return 0;
  const uint32_t size = version == 4 ? syncsafe(tag.body, 0) : tag.body.toUInt(0, true) + 4;
  return size <= tag.body.size() ? size : 0;
}

bool validFrameId(const TagLib::ByteVector& id) {
  for (char c : id)
    if (!std::isupper(static_cast<unsigned char>(c)) && !std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

std::optional<RawId3v2> readRawId3v2(const std::string& path) {
  std::optional<TagBytes> tag = tagBytes(path);
  if (!tag) return std::nullopt;
  RawId3v2 raw;
  raw.version = tag->header[3];
  const auto flags = static_cast<unsigned char>(tag->header[5]);
  raw.extendedHeader = flags & kExtended;
  if (raw.version < 3 || raw.version > 4) return raw;
  TagLib::ByteVector body = tag->body;
  if (raw.version == 3 && (flags & kUnsynchronised)) body.replace(TagLib::ByteVector("\xFF\x00", 2), "\xFF");
  unsigned int at = raw.extendedHeader ? extendedHeaderSize(TagBytes{tag->header, body}, raw.version) : 0;
  while (at + kHeaderSize <= body.size()) {
    const TagLib::ByteVector id = body.mid(at, 4);
    if (!validFrameId(id)) break;
    const uint32_t size = raw.version == 4 ? syncsafe(body, at + 4) : body.toUInt(at + 4, true);
    if (size > body.size() - at - kHeaderSize) break;
    raw.frameIds.emplace_back(id.data(), 4);
    at += kHeaderSize + size;
  }
  return raw;
}

Prefix withoutExtendedHeader(const std::string& path) {
  std::optional<TagBytes> tag = tagBytes(path);
  if (!tag) return {};
  const int version = tag->header[3];
  const auto flags = static_cast<unsigned char>(tag->header[5]);
  if ((version != 3 && version != 4) || !(flags & kExtended) || (flags & (kUnsynchronised | kFooter))) return {};
  const uint32_t extended = extendedHeaderSize(*tag, version);
  if (extended == 0) return {};
  const TagLib::ByteVector body = tag->body.mid(extended);
  Prefix prefix;
  prefix.bytes = tag->header.mid(0, 5);
  prefix.bytes.append(static_cast<char>(flags & ~kExtended));
  prefix.bytes.append(syncsafeBytes(body.size()));
  prefix.bytes.append(body);
  prefix.replaced = kHeaderSize + tag->body.size();
  return prefix;
}

}  // namespace quillora::engine
