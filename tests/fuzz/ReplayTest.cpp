// Replays the committed corpus of every fuzz target through the target's own
// entry point, each input once, so an input that once broke a reader keeps
// being tried by every test run.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

// Each target's LLVMFuzzerTestOneInput, renamed when it is built for replay.
extern "C" int FuzzMemTable(const uint8_t* data, size_t size);
extern "C" int FuzzIni(const uint8_t* data, size_t size);
extern "C" int FuzzFavourites(const uint8_t* data, size_t size);
extern "C" int FuzzEngine(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;  // its corpus folder
  int (*run)(const uint8_t*, size_t);
};

std::vector<fs::path> CorpusFiles(const char* target) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(QUILLORA_FUZZ_CORPUS) / target))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

class CorpusReplay : public testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputRunsCleanly) {
  const std::vector<fs::path> files = CorpusFiles(GetParam().name);
  ASSERT_FALSE(files.empty()) << "no corpus for " << GetParam().name;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    std::ifstream in(file, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    // Announced first: a crash ends the process before any assertion.
    std::fprintf(stderr, "replaying %s\n", file.c_str());
    EXPECT_EQ(GetParam().run(bytes.data(), bytes.size()), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay,
                         testing::Values(Target{"memtable", FuzzMemTable}, Target{"ini", FuzzIni},
                                         Target{"favourites", FuzzFavourites}, Target{"engine", FuzzEngine}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
