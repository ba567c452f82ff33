#include "engine/Xiph.h"

#include "engine/Text.h"

#include <taglib/flacpicture.h>

namespace quillora::engine {

Items xiphItems(TagLib::Ogg::XiphComment& comment) {
  Items items;
  for (const auto& [key, values] : comment.fieldListMap()) items[key] = joined(values);
  if (!comment.vendorID().isEmpty()) items[kVendorKey] = comment.vendorID();
  TagLib::StringList pictures;
  for (const auto* picture : comment.pictureList())
    pictures.append("picture of " + TagLib::String::number(picture->data().size()) + " bytes");
  if (!pictures.isEmpty()) items["=PICTURES"] = joined(pictures);
  return items;
}

void applyXiph(TagLib::Ogg::XiphComment& comment, const TagLib::String& key, const TagLib::String& text) {
  if (key == kVendorKey) return;
  if (!TagLib::Ogg::XiphComment::checkKey(key))
    throw Failure("\"" + key.to8Bit(true) + "\" is not a valid comment key");
  if (text.isEmpty())
    comment.removeFields(key);
  else
    comment.addField(key, text, true);
}

void clearXiph(TagLib::Ogg::XiphComment& comment) {
  comment.removeAllFields();
  comment.removeAllPictures();
}

Items clearedXiph(const Items& before) {
  Items after;
  if (const auto vendor = before.find(kVendorKey); vendor != before.end()) after.insert(*vendor);
  return after;
}

TagLib::ByteVector withVendor(const TagLib::ByteVector& rendered, const TagLib::String& vendor) {
  const unsigned int oldLength = rendered.size() >= 4 ? rendered.toUInt(0, false) : 0;
  const TagLib::ByteVector text = vendor.data(TagLib::String::UTF8);
  TagLib::ByteVector out = TagLib::ByteVector::fromUInt(text.size(), false);
  out.append(text);
  out.append(rendered.mid(4 + oldLength));
  return out;
}

}  // namespace quillora::engine
