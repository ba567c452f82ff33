// ASF files (WMA): "Title", "Author", "Copyright", "Description" and "Rating"
// live in the content description; every other name is an attribute.
#include "engine/ContainerRegions.h"
#include "engine/Format.h"
#include "engine/Text.h"

#include <taglib/asffile.h>
#include <taglib/asftag.h>

#include <algorithm>
#include <array>
#include <vector>

namespace quillora::engine {

namespace {

using TagLib::String;
using AsfTag = TagLib::ASF::Tag;

struct ContentField {
  const char* key;
  String (AsfTag::*get)() const;
  void (AsfTag::*set)(const String&);
};

const std::array<ContentField, 5> kContent{{{"Title", &AsfTag::title, &AsfTag::setTitle},
                                            {"Author", &AsfTag::artist, &AsfTag::setArtist},
                                            {"Copyright", &AsfTag::copyright, &AsfTag::setCopyright},
                                            {"Description", &AsfTag::comment, &AsfTag::setComment},
                                            {"Rating", &AsfTag::rating, &AsfTag::setRating}}};

const ContentField* contentField(const String& key) {
  for (const auto& field : kContent)
    if (key == field.key) return &field;
  return nullptr;
}

String attributeText(const TagLib::ASF::Attribute& attribute) {
  using Type = TagLib::ASF::Attribute;
  switch (attribute.type()) {
    case Type::UnicodeType: return attribute.toString();
    case Type::BoolType: return attribute.toBool() ? "1" : "0";
    case Type::DWordType: return String(std::to_string(attribute.toUInt()));
    case Type::QWordType: return String(std::to_string(attribute.toULongLong()));
    case Type::WordType: return String::number(attribute.toUShort());
    default: return "data of " + String::number(attribute.toByteVector().size()) + " bytes";
  }
}

bool wholeNumber(const String& text) {
  const std::string s = text.to8Bit();
  return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string::npos;
}

class AsfFormat final : public Format {
 public:
  const char* name() const override { return "WMA"; }

  Opened open(const std::string& path, Access access) const override {
    return openAs<TagLib::ASF::File>(path, access);
  }

  Items items(TagLib::File& file) const override {
    const AsfTag& tag = *static_cast<TagLib::ASF::File&>(file).tag();
    Items items;
    for (const auto& field : kContent)
      if (const String text = (tag.*field.get)(); !text.isEmpty()) items[field.key] = text;
    for (const auto& [name, attributes] : tag.attributeListMap()) {
      // TagLib does not keep the order of an attribute's values from one save
      // to the next, so they are listed in sorted order.
      std::vector<String> sorted;
      for (const auto& attribute : attributes) sorted.push_back(attributeText(attribute));
      std::sort(sorted.begin(), sorted.end());
      TagLib::StringList texts;
      for (const auto& text : sorted) texts.append(text);
      // An attribute named like a content field cannot be reached by its name.
      items[contentField(name) ? "=attribute/" + name : name] = joined(texts);
    }
    return items;
  }

  void apply(TagLib::File& file, const String& key, const String& text) const override {
    AsfTag& tag = *static_cast<TagLib::ASF::File&>(file).tag();
    if (const ContentField* field = contentField(key)) return (tag.*field->set)(text);
    if (text.isEmpty()) return tag.removeItem(key);
    const TagLib::ASF::AttributeList old = tag.attribute(key);
    const bool number = !old.isEmpty() && old.front().type() == TagLib::ASF::Attribute::DWordType;
    if (number && wholeNumber(text))
      tag.setAttribute(key, TagLib::ASF::Attribute(static_cast<unsigned int>(text.toInt())));
    else
      tag.setAttribute(key, TagLib::ASF::Attribute(text));
  }

  void clear(TagLib::File& file) const override {
    AsfTag& tag = *static_cast<TagLib::ASF::File&>(file).tag();
    for (const auto& field : kContent) (tag.*field.set)(String());
    const TagLib::ASF::AttributeListMap attributes = tag.attributeListMap();
    for (const auto& attribute : attributes) tag.removeItem(attribute.first);
  }

  std::optional<Ranges> audio(const std::string& path) const override { return asfAudio(path); }
};

}  // namespace

const Format& asfFormat() {
  static const AsfFormat format;
  return format;
}

}  // namespace quillora::engine
