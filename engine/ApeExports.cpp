// The exports of the APE family (the APE tag of Monkey's Audio files).
#include "engine/ApeFacts.h"
#include "engine/EngineApi.h"
#include "engine/ExportGlue.h"

using namespace quillora::engine;

namespace {

std::optional<ApeTagFacts> tagFacts() {
  const Session& session = Session::instance();
  return session.is(apeFormat()) ? readApeTagFacts(session.path()) : std::nullopt;
}

}  // namespace

#define QUILLORA_APE_ITEM(Name, key)                   \
  char16_t* APEGet##Name##W() {                        \
    return getItem(apeFormat(), key);                  \
  }                                                    \
  void APESet##Name##W(const char16_t* text) {         \
    setItem(apeFormat(), key, text);                   \
  }

QUILLORA_APE_ITEM(Album, "ALBUM")
QUILLORA_APE_ITEM(Artist, "ARTIST")
QUILLORA_APE_ITEM(Comment, "COMMENT")
QUILLORA_APE_ITEM(Copyright, "COPYRIGHT")
QUILLORA_APE_ITEM(Genre, "GENRE")
QUILLORA_APE_ITEM(Title, "TITLE")
QUILLORA_APE_ITEM(Track, "TRACK")
QUILLORA_APE_ITEM(Year, "YEAR")

char16_t* APEGetItemKeysW() {
  return itemKeys(apeFormat());
}

int32_t APEGetSizeW() {
  return numberResult([] {
    const auto facts = tagFacts();
    return facts ? facts->size : 0;
  });
}

char16_t* APEGetVersionW() {
  return textResult([] {
    const auto facts = tagFacts();
    return facts ? facts->version : std::string();
  });
}

int16_t APESaveChangesW() {
  return saveChanges(apeFormat());
}
