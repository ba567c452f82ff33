// The exports of the FLAC and Ogg Vorbis families.
#include "engine/EngineApi.h"
#include "engine/ExportGlue.h"
#include "engine/Xiph.h"

#include <algorithm>
#include <cstdint>

using namespace quillora::engine;

namespace {

// Comment keys are upper case; a caller's lower-case key means the same.
TagLib::String commentKey(const char16_t* key) {
  return fromUtf16(key).upper();
}

template <class Fact>
auto flacFact(Fact fact) noexcept {
  return numberResult([&] {
    const auto& facts = Session::instance().flacFacts();
    return facts ? fact(*facts) : decltype(fact(*facts)){};
  });
}

}  // namespace

char16_t* FLACGetUserItemW(const char16_t* key) {
  return getItem(flacFormat(), commentKey(key));
}

void FLACSetUserItemW(const char16_t* key, const char16_t* text) {
  setItem(flacFormat(), commentKey(key), text);
}

int32_t FLACGetBitsPerSampleW() {
  return flacFact([](const FlacFacts& f) { return f.bitsPerSample; });
}

int32_t FLACGetMaxBlockSizeW() {
  return flacFact([](const FlacFacts& f) { return f.maxBlockSize; });
}

int32_t FLACGetMaxFrameSizeW() {
  return flacFact([](const FlacFacts& f) { return f.maxFrameSize; });
}

int32_t FLACGetMinBlockSizeW() {
  return flacFact([](const FlacFacts& f) { return f.minBlockSize; });
}

int32_t FLACGetMinFrameSizeW() {
  return flacFact([](const FlacFacts& f) { return f.minFrameSize; });
}

// The count saturates at the largest 32-bit number.
int32_t FLACGetSamplesW() {
  return flacFact([](const FlacFacts& f) { return static_cast<int32_t>(std::min<int64_t>(f.samples, INT32_MAX)); });
}

float FLACGetCompressionRatioW() {
  return flacFact([](const FlacFacts& f) { return f.compressionRatio; });
}

char16_t* FLACGetItemKeysW() {
  return itemKeys(flacFormat());
}

char16_t* FLACGetVendorW() {
  return getItem(flacFormat(), kVendorKey);
}

void FLACSetVendorW(const char16_t* text) {
  setItem(flacFormat(), kVendorKey, text);
}

int16_t FLACSaveChangesW() {
  return saveChanges(flacFormat());
}

#define QUILLORA_OGG_ITEM(Name, key)                   \
  char16_t* OGGGet##Name##W() {                        \
    return getItem(vorbisFormat(), key);               \
  }                                                    \
  void OGGSet##Name##W(const char16_t* text) {         \
    setItem(vorbisFormat(), key, text);                \
  }

QUILLORA_OGG_ITEM(Album, "ALBUM")
QUILLORA_OGG_ITEM(Artist, "ARTIST")
QUILLORA_OGG_ITEM(Comment, "COMMENT")
QUILLORA_OGG_ITEM(Contact, "CONTACT")
QUILLORA_OGG_ITEM(Copyright, "COPYRIGHT")
QUILLORA_OGG_ITEM(Date, "DATE")
QUILLORA_OGG_ITEM(Description, "DESCRIPTION")
QUILLORA_OGG_ITEM(Genre, "GENRE")
QUILLORA_OGG_ITEM(ISRC, "ISRC")
QUILLORA_OGG_ITEM(License, "LICENSE")
QUILLORA_OGG_ITEM(Location, "LOCATION")
QUILLORA_OGG_ITEM(Organization, "ORGANIZATION")
QUILLORA_OGG_ITEM(Performer, "PERFORMER")
QUILLORA_OGG_ITEM(Title, "TITLE")
QUILLORA_OGG_ITEM(Track, "TRACKNUMBER")
QUILLORA_OGG_ITEM(Vendor, kVendorKey)
QUILLORA_OGG_ITEM(Version, "VERSION")

int16_t OGGSaveChangesW() {
  return saveChanges(vorbisFormat());
}
