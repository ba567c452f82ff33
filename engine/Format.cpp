#include "engine/Format.h"

#include "engine/ReadStream.h"

#include <taglib/tfilestream.h>

#include <algorithm>
#include <cctype>

namespace quillora::engine {

Items Format::cleared(const Items&) const {
  return {};
}

bool Format::save(TagLib::File& file, const Changes&) const {
  return file.save();
}

void Format::finish(const std::string&, const Changes&) const {}

void Format::check(const std::string&, const std::string&, const Changes&, bool) const {}

Prefix Format::copyPrefix(const std::string&) const {
  return {};
}

Opened streamFor(const std::string& path, Access access) {
  Opened opened;
  if (access == Access::Read)
    opened.stream = std::make_unique<ReadStream>(path);
  else
    opened.stream = std::make_unique<TagLib::FileStream>(path.c_str());
  return opened;
}

std::string notValidReason(const Format& format) {
  return std::string("Not a valid ") + format.name() + " file";
}

Items withChanges(Items items, const Changes& changes) {
  for (const auto& [key, text] : changes) {
    if (text.isEmpty())
      items.erase(key);
    else
      items[key] = text;
  }
  return items;
}

const Format* formatOfFile(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return nullptr;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "mp3" || ext == "mpg") return &mpegFormat();
  if (ext == "wma" || ext == "avi") return &asfFormat();
  if (ext == "flac") return &flacFormat();
  if (ext == "wav") return &wavFormat();
  if (ext == "ogg") return &vorbisFormat();
  if (ext == "mp4" || ext == "m4a" || ext == "m4v") return &mp4Format();
  if (ext == "ape") return &apeFormat();
  return nullptr;
}

}  // namespace quillora::engine
