// The exports of the engine: analysing, releasing texts, saving, clearing, the
// frame families (ID3v2, MP4, WAV) and the WMA items.
#include "engine/EngineApi.h"
#include "engine/ExportGlue.h"
#include "engine/FileNameBytes.h"

using namespace quillora::engine;

namespace quillora::engine {

char16_t* getItem(const Format& format, const TagLib::String& key) noexcept {
  return textResult([&] { return Session::instance().get(format, key); });
}

void setItem(const Format& format, const TagLib::String& key, const char16_t* text) noexcept {
  try {
    Session::instance().set(format, key, fromUtf16(text));
  } catch (...) {
    // A change that cannot be recorded is not made.
  }
}

int16_t saveResult(bool saved) noexcept {
  return saved ? -1 : 0;
}

int16_t saveChanges(const Format& format) noexcept {
  return saveResult(numberResult([&] { return Session::instance().save(format); }));
}

const FailedSave& batchFailure(int32_t index) {
  static const FailedSave none;
  const auto& failures = Session::instance().batch().failures();
  return index >= 0 && size_t(index) < failures.size() ? failures[size_t(index)] : none;
}

char16_t* itemKeys(const Format& format) noexcept {
  return textResult([&] {
    TagLib::StringList keys;
    for (const auto& item : Session::instance().items(format))
      if (!item.first.startsWith("=")) keys.append(item.first);
    return joined(keys);
  });
}

}  // namespace quillora::engine

int32_t AUDIOAnalyzeFileW(const char16_t* fileName) {
  return numberResult([&] { return Session::instance().analyze(toPath(fileName)) ? 1 : 0; });
}

void AUDIOFreeStringW(char16_t* text) {
  delete[] text;
}

int16_t AUDIOClearTagsW() {
  return saveResult(numberResult([] { return Session::instance().clear(); }));
}

char16_t* AUDIOGetLastErrorW() {
  return textResult([] { return TagLib::String(Session::instance().lastError(), TagLib::String::UTF8); });
}

void AUDIOBatchBeginW() {
  Session::instance().batch().begin();
}

int32_t AUDIOBatchEndW() {
  return numberResult([] { return Session::instance().batch().end(); });
}

char16_t* AUDIOBatchFailedFileW(int32_t index) {
  return textResult([&] { return quillora::fileNameText(batchFailure(index).path); });
}

char16_t* AUDIOBatchFailedReasonW(int32_t index) {
  return textResult([&] { return batchFailure(index).reason; });
}

char16_t* ID3V2GetTextFrameW(int32_t frameId) {
  return getItem(mpegFormat(), frameKey(frameId));
}

void ID3V2SetTextFrameW(int32_t frameId, const char16_t* text) {
  setItem(mpegFormat(), frameKey(frameId), text);
}

int16_t ID3V2SaveChangesW() {
  return saveChanges(mpegFormat());
}

char16_t* MP4GetTextFrameW(int32_t frameId) {
  return getItem(mp4Format(), frameKey(frameId));
}

void MP4SetTextFrameW(int32_t frameId, const char16_t* text) {
  setItem(mp4Format(), frameKey(frameId), text);
}

int16_t MP4SaveChangesW() {
  return saveChanges(mp4Format());
}

char16_t* WAVGetTextFrameW(int32_t frameId) {
  return getItem(wavFormat(), frameKey(frameId));
}

void WAVSetTextFrameW(int32_t frameId, const char16_t* text) {
  setItem(wavFormat(), frameKey(frameId), text);
}

int16_t WAVSaveChangesW() {
  return saveChanges(wavFormat());
}

char16_t* WMAGetUserItemW(const char16_t* key) {
  return getItem(asfFormat(), fromUtf16(key));
}

void WMASetUserItemW(const char16_t* key, const char16_t* text) {
  setItem(asfFormat(), fromUtf16(key), text);
}

int16_t WMASaveChangesW() {
  return saveChanges(asfFormat());
}
