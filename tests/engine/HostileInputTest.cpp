// Truncated files and random bytes under every extension the engine knows:
// analysing them and asking every getter gives empty values, and never a
// crash or a hang.
#include "EngineTestSupport.h"
#include "Families.h"

#include <gtest/gtest.h>

#include <random>

namespace quillora::test {
namespace {

// Every getter of the interface, each with a few items where it takes one.
std::vector<std::string> everyGetterResult() {
  std::vector<std::string> results;
  const auto add = [&](const std::string& name, const std::string& value) { results.push_back(name + "=" + value); };
  const auto call = [&](const char* name, auto* function) {
    using Kind = std::remove_pointer_t<decltype(function)>;
    if constexpr (std::is_same_v<Kind, qe::TextGet>) {
      if (std::string(name) != "AUDIOGetLastErrorW") add(name, take(function()));
    } else if constexpr (std::is_same_v<Kind, qe::FrameGet>) {
      for (const char* id : {"TIT2", "COMM", "TRCK", "\xA9" "alb", "trkn", "INAM", "\0\0\0\0"})
        add(name, take(function(frameId(id))));
    } else if constexpr (std::is_same_v<Kind, qe::KeyGet>) {
      for (const char* key : {"Title", "WM/AlbumTitle", "ALBUM", "", "=VENDOR"}) add(name, take(function(u16(key).c_str())));
    } else if constexpr (std::is_same_v<Kind, qe::IntGet> || std::is_same_v<Kind, qe::FloatGet>) {
      if (function() != 0) add(name, std::to_string(function()));
    }
  };
#define QUILLORA_CALL_GETTER(kind, name) call(#name, &name);
  QUILLORA_ENGINE_EXPORTS(QUILLORA_CALL_GETTER)
#undef QUILLORA_CALL_GETTER
  std::erase_if(results, [](const std::string& r) { return r.ends_with("="); });
  return results;
}

const std::vector<std::string> kExtensions{"mp3", "mpg", "wma", "avi", "flac", "wav", "ogg",
                                           "mp4", "m4a", "m4v", "ape", "wv", "tta"};

std::string fixtureFor(const std::string& ext) {
  if (ext == "mp3" || ext == "mpg") return "v24.mp3";
  if (ext == "wma" || ext == "avi") return "tagged.wma";
  if (ext == "mp4" || ext == "m4a" || ext == "m4v") return "tagged.m4a";
  if (ext == "wv" || ext == "tta") return "plain." + ext;
  return "tagged." + ext;
}

class Hostile : public ::testing::TestWithParam<std::string> {};

TEST_P(Hostile, RandomBytesGiveEmptyValues) {
  const std::string& ext = GetParam();
  TempDir dir;
  std::mt19937 generator(42);
  for (size_t size : {0, 1, 9, 64, 700, 5000}) {
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(generator());
    const std::string path = dir.file("noise." + ext);
    writeBytes(path, bytes);
    EXPECT_FALSE(analyze(path)) << size;
    EXPECT_EQ(everyGetterResult(), std::vector<std::string>{}) << size;
  }
}

// Cut within the first header, no tag is complete; cut further in, the
// values may or may not be there but nothing breaks, and a save either
// succeeds or fails leaving the file as it was.
TEST_P(Hostile, TruncatedFilesGiveEmptyValuesAndSaveSafely) {
  const std::string& ext = GetParam();
  const std::string whole = readBytes(fixturePath(fixtureFor(ext)));
  TempDir dir;
  const std::string path = dir.file("cut." + ext);
  for (size_t size : {size_t{3}, size_t{9}}) {
    writeBytes(path, whole.substr(0, size));
    analyze(path);
    EXPECT_EQ(everyGetterResult(), std::vector<std::string>{}) << size;
  }
  for (size_t size : {whole.size() / 3, whole.size() / 2, whole.size() - 1}) {
    writeBytes(path, whole.substr(0, size));
    analyze(path);
    everyGetterResult();
    for (const Family& f : families()) f.set(f.keys.front(), u16("Cut"));
    for (const Family& f : families()) {
      const std::string before = readBytes(path);
      if (f.save() == 0) {
        EXPECT_EQ(readBytes(path), before) << size << " " << f.name;
      }
    }
  }
}

TEST(Hostile, AnId3v2TagClaimingMoreBytesThanTheFileGivesEmptyValues) {
  TempDir dir;
  const std::string path = dir.file("huge.mp3");
  writeBytes(path, std::string("ID3\x04\x00\x00\x7F\x7F\x7F\x7F", 10) + "TIT2\x7F\x7F\x7F\x7F" + std::string(100, 'x'));
  analyze(path);
  EXPECT_EQ(everyGetterResult(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Engine, Hostile, ::testing::ValuesIn(kExtensions),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quillora::test
