// Which engine exports read, write and save the tag items of each media type.
// Reading and writing both go through these tables.
#pragma once

#include "tags/TAudioGenie3.h"

#include <span>
#include <variant>

namespace quillora {

// A user item of a numbered table, reached through the format's key getter
// and key setter.
struct UserKey {
  const char16_t* name;
};

// How a numbered item is read: a user item by key, or an export of its own
// giving text, an integer or the compression ratio.
using ItemGet = std::variant<UserKey, TextGetter, IntGetter, RatioGetter>;

// One entry of a FLAC, OGG or APE item table. A key entry is written through
// the format's key setter; any other entry only through `set`, and is
// read-only without it. Numbers missing from a table read as empty and write
// nothing.
struct NumberedItem {
  int number;
  ItemGet get;
  TextSetter set = nullptr;
};

// How a row of a media type names its tag item.
enum class ItemAddress {
  FrameId,     // the key text read as a frame identifier
  ItemName,    // the key text as it is
  ItemNumber,  // the item number, looked up in the format's item table
};

// The engine exports of one media type.
struct MediaTagIo {
  int mediaType;
  ItemAddress address;
  FrameGetter frameGet = nullptr;
  FrameSetter frameSet = nullptr;
  KeyGetter keyGet = nullptr;
  KeySetter keySet = nullptr;
  std::span<const NumberedItem> items = {};
  SaveExport save = nullptr;
};

// The exports of a media type; null for a media type with no reader or writer.
const MediaTagIo* MediaTagIoFor(int mediaType);

// True when the media type passes over a row: one named by its key text
// whose key text is empty, or one named by number whose number is below 1.
bool SkipsRow(const MediaTagIo& io, const QString& keyText, int itemNumber);

// The entry of a numbered item; null when the table has none.
const NumberedItem* FindItem(const MediaTagIo& io, int number);

}  // namespace quillora
