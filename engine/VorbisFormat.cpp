// Ogg Vorbis files: the fields and vendor of the Xiph comment.
#include "engine/ContainerRegions.h"
#include "engine/Format.h"
#include "engine/Xiph.h"

#include <taglib/vorbisfile.h>

namespace quillora::engine {

namespace {

using VorbisFile = TagLib::Ogg::Vorbis::File;

class VorbisFormat final : public Format {
 public:
  const char* name() const override { return "Ogg Vorbis"; }

  Opened open(const std::string& path, Access access) const override {
    return openAs<VorbisFile>(path, access);
  }

  Items items(TagLib::File& file) const override {
    auto* comment = static_cast<VorbisFile&>(file).tag();
    return comment ? xiphItems(*comment) : Items{};
  }

  void apply(TagLib::File& file, const TagLib::String& key, const TagLib::String& text) const override {
    applyXiph(*static_cast<VorbisFile&>(file).tag(), key, text);
  }

  void clear(TagLib::File& file) const override { clearXiph(*static_cast<VorbisFile&>(file).tag()); }

  Items cleared(const Items& before) const override { return clearedXiph(before); }

  // With a new vendor text the comment packet is rendered here, since
  // VorbisFile::save() would render it with the old one.
  bool save(TagLib::File& file, const Changes& changes) const override {
    auto& vorbis = static_cast<VorbisFile&>(file);
    const auto vendor = changes.find(kVendorKey);
    if (vendor == changes.end()) return vorbis.save();
    TagLib::ByteVector packet("\x03vorbis", 7);
    packet.append(withVendor(vorbis.tag()->render(true), vendor->second));
    vorbis.setPacket(1, packet);
    return vorbis.TagLib::Ogg::File::save();
  }

  std::optional<Ranges> audio(const std::string& path) const override { return oggAudio(path); }
};

}  // namespace

const Format& vorbisFormat() {
  static const VorbisFormat format;
  return format;
}

}  // namespace quillora::engine
