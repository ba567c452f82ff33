// FLAC files: the Xiph comment's fields and vendor; pictures and ID3 tags are
// kept (and removed by a clear).
#include "engine/FileBytes.h"
#include "engine/Format.h"
#include "engine/TagRegions.h"
#include "engine/Text.h"
#include "engine/Xiph.h"

#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>

#include <fcntl.h>
#include <unistd.h>

namespace quillora::engine {

namespace {

using TagLib::String;
using FlacFile = TagLib::FLAC::File;

constexpr int kVorbisCommentBlock = 4;

// Rewrites the vendor text inside the file's comment block.
void writeVendor(const std::string& path, const String& vendor) {
  const FileBytes file(path);
  TagLib::ByteVector bytes = file.read(0, file.size());
  int64_t offset = id3v2End(file) + 4;
  for (bool last = false; !last && offset + 4 <= bytes.size();) {
    last = static_cast<unsigned char>(bytes[offset]) & 0x80;
    const int type = bytes[offset] & 0x7F;
    const unsigned int length = bytes.toUInt(offset + 1, 3, true);
    if (type == kVorbisCommentBlock) {
      const TagLib::ByteVector block = withVendor(bytes.mid(offset + 4, length), vendor);
      if (block.size() >= 1U << 24) throw Failure("The vendor text is too long");
      TagLib::ByteVector out = bytes.mid(0, offset + 1);
      out.append(TagLib::ByteVector::fromUInt(block.size(), true).mid(1));
      out.append(block);
      out.append(bytes.mid(offset + 4 + length));
      const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
      const bool written = fd >= 0 && ::write(fd, out.data(), out.size()) == static_cast<ssize_t>(out.size());
      if (fd >= 0) ::close(fd);
      if (!written) throw Failure("The vendor text could not be written");
      return;
    }
    offset += 4 + length;
  }
  throw Failure("The FLAC file has no comment block for the vendor text");
}

class FlacFormat final : public Format {
 public:
  const char* name() const override { return "FLAC"; }

  Opened open(const std::string& path, Access access) const override {
    return openAs<FlacFile>(path, access, TagLib::ID3v2::FrameFactory::instance());
  }

  Items items(TagLib::File& file) const override {
    auto& flac = static_cast<FlacFile&>(file);
    Items items;
    if (auto* comment = flac.xiphComment()) items = xiphItems(*comment);
    TagLib::StringList pictures;
    for (const auto* picture : flac.pictureList())
      pictures.append("picture of " + String::number(picture->data().size()) + " bytes");
    if (!pictures.isEmpty()) items["=PICTURE BLOCKS"] = joined(pictures);
    if (flac.hasID3v2Tag()) items["=ID3v2"] = String::number(flac.ID3v2Tag()->frameList().size()) + " frames";
    if (flac.hasID3v1Tag()) items["=ID3v1"] = flac.ID3v1Tag()->title() + "|" + flac.ID3v1Tag()->artist();
    return items;
  }

  void apply(TagLib::File& file, const String& key, const String& text) const override {
    applyXiph(*static_cast<FlacFile&>(file).xiphComment(true), key, text);
  }

  void clear(TagLib::File& file) const override {
    auto& flac = static_cast<FlacFile&>(file);
    flac.strip(FlacFile::ID3v1 | FlacFile::ID3v2);
    flac.removePictures();
    clearXiph(*flac.xiphComment(true));
  }

  Items cleared(const Items& before) const override { return clearedXiph(before); }

  void finish(const std::string& path, const Changes& changes) const override {
    if (const auto vendor = changes.find(kVendorKey); vendor != changes.end()) writeVendor(path, vendor->second);
  }

  std::optional<Ranges> audio(const std::string& path) const override { return flacAudio(path); }
};

}  // namespace

const Format& flacFormat() {
  static const FlacFormat format;
  return format;
}

}  // namespace quillora::engine
