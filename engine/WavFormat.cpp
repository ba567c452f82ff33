// RIFF WAV files: the fields of the INFO list (INAM, IART, ...); an ID3 chunk
// is kept as it is.
#include "engine/ContainerRegions.h"
#include "engine/Format.h"
#include "engine/Text.h"

#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/wavfile.h>

namespace quillora::engine {

namespace {

using TagLib::String;
using WavFile = TagLib::RIFF::WAV::File;

class WavFormat final : public Format {
 public:
  const char* name() const override { return "WAV"; }

  // TagLib takes any bytes for this format, so the layout is checked first.
  Opened open(const std::string& path, Access access) const override {
    if (!riffAudio(path)) return {};
    return openAs<WavFile>(path, access);
  }

  Items items(TagLib::File& file) const override {
    auto& wav = static_cast<WavFile&>(file);
    Items items;
    for (const auto& [id, text] : wav.InfoTag()->fieldListMap()) items[String(id, String::Latin1)] = text;
    if (wav.hasID3v2Tag()) {
      TagLib::StringList frames;
      for (const auto* frame : wav.ID3v2Tag()->frameList())
        frames.append(String(frame->frameID(), String::Latin1) + "=" + frame->toString());
      items["=ID3v2"] = joined(frames);
    }
    return items;
  }

  void apply(TagLib::File& file, const String& key, const String& text) const override {
    const TagLib::ByteVector id = key.data(String::Latin1);
    bool chunkName = id.size() == 4;
    for (char c : id) chunkName = chunkName && c >= 32 && c <= 126;
    if (!chunkName) throw Failure("\"" + key.to8Bit(true) + "\" is not a RIFF INFO field");
    static_cast<WavFile&>(file).InfoTag()->setFieldText(id, text);
  }

  void clear(TagLib::File& file) const override { static_cast<WavFile&>(file).strip(); }

  bool save(TagLib::File& file, const Changes&) const override {
    return static_cast<WavFile&>(file).save(WavFile::Info, TagLib::File::StripNone);
  }

  std::optional<Ranges> audio(const std::string& path) const override { return riffAudio(path); }
};

}  // namespace

const Format& wavFormat() {
  static const WavFormat format;
  return format;
}

}  // namespace quillora::engine
