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

QUILLORA_ITEM_EXPORTS(FLAC, Vendor, flacFormat(), kVendorKey)

int16_t FLACSaveChangesW() {
  return saveChanges(flacFormat());
}

QUILLORA_ITEM_EXPORTS(OGG, Album, vorbisFormat(), "ALBUM")
QUILLORA_ITEM_EXPORTS(OGG, Artist, vorbisFormat(), "ARTIST")
QUILLORA_ITEM_EXPORTS(OGG, Comment, vorbisFormat(), "COMMENT")
QUILLORA_ITEM_EXPORTS(OGG, Contact, vorbisFormat(), "CONTACT")
QUILLORA_ITEM_EXPORTS(OGG, Copyright, vorbisFormat(), "COPYRIGHT")
QUILLORA_ITEM_EXPORTS(OGG, Date, vorbisFormat(), "DATE")
QUILLORA_ITEM_EXPORTS(OGG, Description, vorbisFormat(), "DESCRIPTION")
QUILLORA_ITEM_EXPORTS(OGG, Genre, vorbisFormat(), "GENRE")
QUILLORA_ITEM_EXPORTS(OGG, ISRC, vorbisFormat(), "ISRC")
QUILLORA_ITEM_EXPORTS(OGG, License, vorbisFormat(), "LICENSE")
QUILLORA_ITEM_EXPORTS(OGG, Location, vorbisFormat(), "LOCATION")
QUILLORA_ITEM_EXPORTS(OGG, Organization, vorbisFormat(), "ORGANIZATION")
QUILLORA_ITEM_EXPORTS(OGG, Performer, vorbisFormat(), "PERFORMER")
QUILLORA_ITEM_EXPORTS(OGG, Title, vorbisFormat(), "TITLE")
QUILLORA_ITEM_EXPORTS(OGG, Track, vorbisFormat(), "TRACKNUMBER")
QUILLORA_ITEM_EXPORTS(OGG, Vendor, vorbisFormat(), kVendorKey)
QUILLORA_ITEM_EXPORTS(OGG, Version, vorbisFormat(), "VERSION")

int16_t OGGSaveChangesW() {
  return saveChanges(vorbisFormat());
}
