// The engine on hostile files. The first byte picks the extension the rest of
// the input is stored under, and whether to save; the file is analysed, then
// every getter of the engine's export list is called (frame getters with real
// frame identifiers, key getters with real keys) and every text released.
// When saving, every setter gets a text, every save and the clear run, and the
// saved file is analysed and read again. A hostile file may give empty texts
// or a refused save, never a crash or a hang.

#include "FuzzSupport.h"
#include "engine/EngineApi.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr std::array<const char*, 10> kExtensions{"mp3", "wma", "flac", "wav", "ogg",
                                                  "m4a", "ape", "mpg", "avi", "mp4"};

constexpr int32_t Frame(const char (&id)[5]) {
  return int32_t(uint32_t(uint8_t(id[0])) << 24 | uint32_t(uint8_t(id[1])) << 16 |
                 uint32_t(uint8_t(id[2])) << 8 | uint32_t(uint8_t(id[3])));
}

// ID3v2, MP4 and RIFF INFO identifiers, and two that name nothing.
constexpr std::array<int32_t, 16> kFrames{
    Frame("TIT2"), Frame("TALB"), Frame("TDRC"), Frame("TCON"), Frame("COMM"), Frame("WOAR"),
    Frame("\xA9nam"), Frame("\xA9" "day"), Frame("trkn"), Frame("tmpo"), Frame("covr"), Frame("INAM"),
    Frame("IART"), Frame("ICRD"), 0, -1};

// WMA content and attribute names, Vorbis comment keys in both cases, and none.
constexpr std::array<const char16_t*, 7> kKeys{u"Title", u"Author", u"WM/AlbumTitle", u"WM/TrackNumber",
                                               u"TITLE", u"artist", u""};

constexpr const char16_t* kText = u"Fuzz \u00e9\u263A 5/12";

// Reads a returned text to its end, so a missing terminator shows, and frees it.
void Release(char16_t* text) {
  quillora::fuzz::Require(text != nullptr, "a getter returned no text");
  volatile size_t length = std::char_traits<char16_t>::length(text);
  (void)length;
  AUDIOFreeStringW(text);
}

// One overload per kind of export; the template takes the kinds that are not
// of the step.
template <class Export> void Get(Export*) {}
void Get(qe::TextGet* get) { Release(get()); }
void Get(qe::FrameGet* get) { for (int32_t id : kFrames) Release(get(id)); }
void Get(qe::KeyGet* get) { for (const char16_t* key : kKeys) Release(get(key)); }
void Get(qe::IntGet* get) { (void)get(); }
void Get(qe::FloatGet* get) { (void)get(); }

template <class Export> void Set(Export*) {}
void Set(qe::TextSet* set) { set(kText); }
void Set(qe::FrameSet* set) { for (int32_t id : kFrames) set(id, kText); }
void Set(qe::KeySet* set) { for (const char16_t* key : kKeys) set(key, kText); }

template <class Export> void Save(Export*) {}
void Save(qe::Save* save) { (void)save(); }

void GetAll() {
#define QUILLORA_FUZZ_GET(kind, name) Get(&name);
  QUILLORA_ENGINE_EXPORTS(QUILLORA_FUZZ_GET)
#undef QUILLORA_FUZZ_GET
}

void SetAndSaveAll() {
#define QUILLORA_FUZZ_SET(kind, name) Set(&name);
#define QUILLORA_FUZZ_SAVE(kind, name) Save(&name);
  QUILLORA_ENGINE_EXPORTS(QUILLORA_FUZZ_SET)
  QUILLORA_ENGINE_EXPORTS(QUILLORA_FUZZ_SAVE)
#undef QUILLORA_FUZZ_SET
#undef QUILLORA_FUZZ_SAVE
}

std::u16string Utf16(const std::string& path) { return std::u16string(path.begin(), path.end()); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t choice = data[0];
  const std::string path =
      quillora::fuzz::ScratchPath(std::string("input.") + kExtensions[(choice & 0x7F) % kExtensions.size()]);
  quillora::fuzz::WriteBytes(path, data + 1, size - 1);
  const std::u16string name = Utf16(path);

  (void)AUDIOAnalyzeFileW(name.c_str());
  GetAll();
  if (choice & 0x80) {
    SetAndSaveAll();
    (void)AUDIOAnalyzeFileW(name.c_str());
    GetAll();
  }
  return 0;
}
