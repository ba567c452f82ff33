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

QUILLORA_ITEM_EXPORTS(APE, Album, apeFormat(), "ALBUM")
QUILLORA_ITEM_EXPORTS(APE, Artist, apeFormat(), "ARTIST")
QUILLORA_ITEM_EXPORTS(APE, Comment, apeFormat(), "COMMENT")
QUILLORA_ITEM_EXPORTS(APE, Copyright, apeFormat(), "COPYRIGHT")
QUILLORA_ITEM_EXPORTS(APE, Genre, apeFormat(), "GENRE")
QUILLORA_ITEM_EXPORTS(APE, Title, apeFormat(), "TITLE")
QUILLORA_ITEM_EXPORTS(APE, Track, apeFormat(), "TRACK")
QUILLORA_ITEM_EXPORTS(APE, Year, apeFormat(), "YEAR")

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
