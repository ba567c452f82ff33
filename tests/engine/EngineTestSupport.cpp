#include "EngineTestSupport.h"

#include <taglib/mpegfile.h>
#include <taglib/tstring.h>

#include <dirent.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace quillora::test {

std::string fixturePath(const std::string& name) {
  return std::string(QUILLORA_TEST_DATA) + "/" + name;
}

TempDir::TempDir() {
  std::string pattern = std::filesystem::temp_directory_path().string() + "/quillora-engine-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::copy(const std::string& fixture, const std::string& as) const {
  const std::string target = file(as.empty() ? fixture : as);
  writeBytes(target, readBytes(fixturePath(fixture)));
  return target;
}

std::u16string u16(const std::string& utf8) {
  const TagLib::ByteVector bytes = TagLib::String(utf8, TagLib::String::UTF8).data(TagLib::String::UTF16LE);
  std::u16string out;
  for (unsigned int i = 0; i + 1 < bytes.size(); i += 2)
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        static_cast<unsigned char>(bytes[i + 1]) << 8));
  return out;
}

std::string take(char16_t* text) {
  if (!text) return "<null>";
  TagLib::ByteVector bytes;
  for (const char16_t* c = text; *c; ++c) {
    bytes.append(static_cast<char>(*c & 0xFF));
    bytes.append(static_cast<char>(*c >> 8));
  }
  AUDIOFreeStringW(text);
  return TagLib::String(bytes, TagLib::String::UTF16LE).to8Bit(true);
}

int32_t frameId(const std::string& fourBytes) {
  uint32_t id = 0;
  for (unsigned char c : fourBytes) id = id << 8 | c;
  return static_cast<int32_t>(id);
}

bool analyze(const std::string& path) {
  return AUDIOAnalyzeFileW(u16(path).c_str()) == 1;
}

std::string lastError() {
  return take(AUDIOGetLastErrorW());
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct stat statOf(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info;
}

bool sameTime(const struct timespec& a, const struct timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

std::string tagOf(const std::string& path, TagLib::String (TagLib::Tag::*field)() const) {
  TagLib::MPEG::File file(path.c_str());
  return (file.tag()->*field)().to8Bit(true);
}

std::string decodedAudio(const std::string& path) {
  const std::string command = "ffmpeg -v quiet -nostdin -i '" + path + "' -map 0:a -f s16le - 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {};
  std::string pcm;
  std::array<char, 4096> buffer{};
  for (size_t got; (got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) pcm.append(buffer.data(), got);
  return pclose(pipe) == 0 ? pcm : std::string();
}

std::string listing(const std::string& folder) {
  std::set<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir))
      if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..") names.insert(entry->d_name);
    closedir(dir);
  }
  std::string out;
  for (const auto& name : names) out += name + "\n";
  return out;
}

}  // namespace quillora::test
