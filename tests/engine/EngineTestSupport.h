// Helpers for the engine tests: fixtures copied into a temporary folder,
// UTF-8 <-> UTF-16 at the C interface, and independent looks at files.
#pragma once

#include "engine/EngineApi.h"

#include <taglib/tag.h>

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace quillora::test {

std::string fixturePath(const std::string& name);

// A fresh folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Copies the fixture in (under `as` when given) and returns its path.
  std::string copy(const std::string& fixture, const std::string& as = {}) const;

 private:
  std::string path_;
};

std::u16string u16(const std::string& utf8);
// Takes an engine text: copies it as UTF-8 and releases it.
std::string take(char16_t* text);
// Four characters packed big-endian, each byte as given ("\xA9" "alb").
int32_t frameId(const std::string& fourBytes);

bool analyze(const std::string& path);
std::string lastError();

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
struct stat statOf(const std::string& path);
bool sameTime(const struct timespec& a, const struct timespec& b);
// A field of an MP3 file's tag as TagLib reads it (&TagLib::Tag::title).
std::string tagOf(const std::string& path, TagLib::String (TagLib::Tag::*field)() const);
// The audio as ffmpeg decodes it, as raw PCM; empty when it cannot.
std::string decodedAudio(const std::string& path);
// Names in the folder, hidden ones too.
std::string listing(const std::string& folder);

}  // namespace quillora::test
