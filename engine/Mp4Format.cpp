// MP4 files: items of the iTunes-style tag, by their four-character names.
#include "engine/ContainerRegions.h"
#include "engine/Format.h"
#include "engine/Text.h"

#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>

namespace quillora::engine {

namespace {

using TagLib::String;

bool isPairKey(const String& key) {
  return key == "trkn" || key == "disk";
}

// "5/12", or "5" when there is no total.
String pairText(const TagLib::MP4::Item::IntPair& pair) {
  if (pair.first == 0 && pair.second == 0) return {};
  return pair.second ? String::number(pair.first) + "/" + String::number(pair.second) : String::number(pair.first);
}

String numberText(const TagLib::MP4::Item& item) {
  if (item.toInt()) return String::number(item.toInt());
  if (item.toUInt()) return String(std::to_string(item.toUInt()));
  if (item.toLongLong()) return String(std::to_string(item.toLongLong()));
  return String::number(item.toByte() ? item.toByte() : item.toBool());
}

String itemText(const String& key, const TagLib::MP4::Item& item) {
  if (isPairKey(key)) return pairText(item.toIntPair());
  if (!item.toStringList().isEmpty()) return joined(item.toStringList());
  TagLib::StringList sizes;
  for (const auto& cover : item.toCoverArtList()) sizes.append("picture of " + String::number(cover.data().size()) + " bytes");
  for (const auto& bytes : item.toByteVectorList()) sizes.append("data of " + String::number(bytes.size()) + " bytes");
  return sizes.isEmpty() ? numberText(item) : joined(sizes);
}

// A whole decimal number, or nothing.
std::optional<int> wholeNumber(const String& text) {
  const std::string s = text.stripWhiteSpace().to8Bit();
  if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::stoi(s);
}

TagLib::MP4::Item pairItem(const String& key, const String& text) {
  const int slash = text.find("/");
  const auto first = wholeNumber(slash < 0 ? text : text.substr(0, slash));
  const auto second = slash < 0 ? std::optional<int>(0) : wholeNumber(text.substr(slash + 1));
  if (!first || !second)
    throw Failure("\"" + text.to8Bit(true) + "\" is not a number or a pair of numbers such as 5/12 for " +
                  key.to8Bit(true));
  return TagLib::MP4::Item(*first, *second);
}

class Mp4Format final : public Format {
 public:
  const char* name() const override { return "MP4"; }

  Opened open(const std::string& path, Access access) const override {
    return openAs<TagLib::MP4::File>(path, access);
  }

  Items items(TagLib::File& file) const override {
    Items items;
    if (auto* tag = static_cast<TagLib::MP4::File&>(file).tag())
      for (const auto& [key, item] : tag->itemMap()) items[key] = itemText(key, item);
    return items;
  }

  void apply(TagLib::File& file, const String& key, const String& text) const override {
    TagLib::MP4::Tag& tag = *static_cast<TagLib::MP4::File&>(file).tag();
    if (text.isEmpty()) return tag.removeItem(key);
    if (isPairKey(key)) return tag.setItem(key, pairItem(key, text));
    if (key == "tmpo") {
      const auto tempo = wholeNumber(text);
      if (!tempo) throw Failure("\"" + text.to8Bit(true) + "\" is not a whole number for tmpo");
      return tag.setItem(key, TagLib::MP4::Item(*tempo));
    }
    if (key == "covr") throw Failure("The MP4 item covr cannot be written as text");
    tag.setItem(key, TagLib::MP4::Item(TagLib::StringList(text)));
  }

  void clear(TagLib::File& file) const override {
    TagLib::MP4::Tag& tag = *static_cast<TagLib::MP4::File&>(file).tag();
    const TagLib::MP4::ItemMap items = tag.itemMap();
    for (const auto& item : items) tag.removeItem(item.first);
  }

  std::optional<Ranges> audio(const std::string& path) const override { return mp4Audio(path); }
};

}  // namespace

const Format& mp4Format() {
  static const Mp4Format format;
  return format;
}

}  // namespace quillora::engine
