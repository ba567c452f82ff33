#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace quillora::fuzz {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
 public:
  ScratchFolder()
      : path_(fs::temp_directory_path() / ("quillora-fuzz-" + std::to_string(getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

std::string ScratchPath(const std::string& name) {
  static const ScratchFolder folder;
  return (folder.path() / name).string();
}

void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  Require(bool(out.flush()), "cannot write a scratch file");
}

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace quillora::fuzz
