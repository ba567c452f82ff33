// Xiph comments, shared by FLAC and Ogg Vorbis: fields by upper-case key, the
// vendor text under the key "=VENDOR" (no field key holds "="), pictures
// listed for the save's check.
#pragma once

#include "engine/Format.h"

#include <taglib/xiphcomment.h>

namespace quillora::engine {

inline const TagLib::String kVendorKey = "=VENDOR";

Items xiphItems(TagLib::Ogg::XiphComment& comment);
// Sets or (empty text) removes a field; the vendor is written by the format's
// save, since TagLib has no setter for it.
void applyXiph(TagLib::Ogg::XiphComment& comment, const TagLib::String& key, const TagLib::String& text);
void clearXiph(TagLib::Ogg::XiphComment& comment);
// What xiphItems() lists after clearXiph(): the vendor stays.
Items clearedXiph(const Items& before);
// A rendered comment with its vendor text replaced.
TagLib::ByteVector withVendor(const TagLib::ByteVector& rendered, const TagLib::String& vendor);

}  // namespace quillora::engine
