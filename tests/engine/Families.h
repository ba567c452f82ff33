// The engine's tag families as the tests drive them: the item names the field
// map uses, the engine calls for one item, and an independent reading of a
// saved file with TagLib itself.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace quillora::test {

using TagLibItems = std::map<std::string, std::string>;

struct Family {
  std::string name;
  std::string fixture;               // a tagged file of the family in tests/data
  std::vector<std::string> keys;     // every item the field map writes
  void (*set)(const std::string& key, const std::u16string& text);
  std::string (*get)(const std::string& key);
  int16_t (*save)();
  // Items of the file as TagLib reads them, several values joined by "|".
  TagLibItems (*read)(const std::string& path);
};

void PrintTo(const Family& family, std::ostream* out);

const std::vector<Family>& families();
const Family& family(const std::string& name);

// A text for the item: non-Latin where the item takes text, a number or a
// number pair where it takes one.
std::string sampleValue(const std::string& key, int index);

}  // namespace quillora::test
