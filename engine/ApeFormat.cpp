// Monkey's Audio files: the items of the APE tag; an ID3v1 tag is kept.
#include "engine/ApeFacts.h"
#include "engine/Format.h"
#include "engine/TagRegions.h"
#include "engine/Text.h"

#include <taglib/apefile.h>
#include <taglib/apefooter.h>
#include <taglib/apetag.h>
#include <taglib/id3v1tag.h>


namespace quillora::engine {

namespace {

using TagLib::String;
using ApeFile = TagLib::APE::File;

class ApeFormat final : public Format {
 public:
  const char* name() const override { return "APE"; }

  // TagLib takes any bytes for this format, so the layout is checked first.
  Opened open(const std::string& path, Access access) const override {
    if (!monkeyAudio(path)) return {};
    return openAs<ApeFile>(path, access);
  }

  // Keys are upper case, as TagLib keeps them.
  Items items(TagLib::File& file) const override {
    auto& ape = static_cast<ApeFile&>(file);
    Items items;
    if (ape.hasAPETag())
      for (const auto& [key, item] : ape.APETag()->itemListMap())
        items[key] = item.type() == TagLib::APE::Item::Binary
                         ? "data of " + String::number(item.binaryData().size()) + " bytes"
                         : joined(item.values());
    if (ape.hasID3v1Tag()) items["=ID3v1"] = ape.ID3v1Tag()->title() + "|" + ape.ID3v1Tag()->artist();
    return items;
  }

  // Written with the usual spelling: "Album", "Year".
  void apply(TagLib::File& file, const String& key, const String& text) const override {
    TagLib::APE::Tag& tag = *static_cast<ApeFile&>(file).APETag(true);
    if (text.isEmpty()) return tag.removeItem(key);
    if (!TagLib::APE::Tag::checkKey(key)) throw Failure("\"" + key.to8Bit(true) + "\" is not a valid APE item key");
    tag.addValue(key.substr(0, 1).upper() + lower(key.substr(1)), text, true);
  }

  void clear(TagLib::File& file) const override { static_cast<ApeFile&>(file).strip(); }

  std::optional<Ranges> audio(const std::string& path) const override { return monkeyAudio(path); }

 private:
  static String lower(const String& text) {
    std::string s = text.to8Bit(true);
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return String(s, String::UTF8);
  }
};

}  // namespace

const Format& apeFormat() {
  static const ApeFormat format;
  return format;
}

std::optional<ApeTagFacts> readApeTagFacts(const std::string& path) {
  const Opened opened = apeFormat().open(path, Access::Read);
  if (!opened.file) return std::nullopt;
  auto& ape = static_cast<ApeFile&>(*opened.file);
  if (!ape.hasAPETag()) return std::nullopt;
  const TagLib::APE::Footer& footer = *ape.APETag()->footer();
  std::string thousandths = std::to_string(footer.version() % 1000);
  thousandths.insert(0, 3 - thousandths.size(), '0');
  return ApeTagFacts{static_cast<int>(footer.completeTagSize()),
                     std::to_string(footer.version() / 1000) + "." + thousandths};
}

}  // namespace quillora::engine
