// Helpers that turn the C calls into calls on the current file, never
// letting an exception out of the library.
#pragma once

#include "engine/Format.h"
#include "engine/Session.h"
#include "engine/Text.h"

#include <cstdint>
#include <new>

namespace quillora::engine {

// A returned text: the function's text, or empty if it throws.
template <class Produce>
char16_t* textResult(Produce produce) noexcept {
  try {
    return newUtf16(produce());
  } catch (...) {
    return new (std::nothrow) char16_t[1]{};
  }
}

template <class Produce>
auto numberResult(Produce produce) noexcept -> decltype(produce()) {
  try {
    return produce();
  } catch (...) {
    return 0;
  }
}

char16_t* getItem(const Format& format, const TagLib::String& key) noexcept;
void setItem(const Format& format, const TagLib::String& key, const char16_t* text) noexcept;
// -1 on success, 0 on failure, as the save exports return it.
int16_t saveResult(bool saved) noexcept;
int16_t saveChanges(const Format& format) noexcept;
// The failure at `index` of the last batch; an empty one past the end.
const FailedSave& batchFailure(int32_t index);
// The keys of the current file's items that a getter reaches, joined.
char16_t* itemKeys(const Format& format) noexcept;

}  // namespace quillora::engine

// The getter and setter exports of one item of a family:
// QUILLORA_ITEM_EXPORTS(APE, Album, apeFormat(), "ALBUM") gives APEGetAlbumW
// and APESetAlbumW.
#define QUILLORA_ITEM_EXPORTS(Family, Name, format, key)                               \
  char16_t* Family##Get##Name##W() { return quillora::engine::getItem(format, key); } \
  void Family##Set##Name##W(const char16_t* text) { quillora::engine::setItem(format, key, text); }
