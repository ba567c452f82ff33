// Facts of the APE tag of a Monkey's Audio file.
#pragma once

#include <optional>
#include <string>

namespace quillora::engine {

struct ApeTagFacts {
  int size = 0;          // the whole tag in bytes, header and footer included
  std::string version;   // "2.000" for APEv2, "1.000" for APEv1
};

// Empty when the file is no Monkey's Audio file or has no APE tag.
std::optional<ApeTagFacts> readApeTagFacts(const std::string& path);

}  // namespace quillora::engine
