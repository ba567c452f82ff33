// One tag format family of the engine (MPEG/ID3v2, MP4, WAV, WMA, FLAC, Ogg
// Vorbis, APE): how it opens a file, lists the items of its tags, changes
// them, and where the audio lies that a save must not touch.
#pragma once

#include <taglib/tbytevector.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/tfile.h>
#include <taglib/tstring.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quillora::engine {

// Every item of the tags a format edits, by key, each as one text. Keys are
// what the getters ask for ("TIT2", "\251alb", "WM/AlbumTitle", "ALBUM");
// items no getter asks for (pictures, other tag types of the file) are listed
// under keys no getter uses, so a save can check that they survive.
using Items = std::map<TagLib::String, TagLib::String>;
// Pending changes: key to new text; an empty text removes the item.
using Changes = Items;

// The reason a save failed, as the user reads it.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A part of a file, in bytes.
struct Range {
  int64_t offset = 0;
  int64_t length = 0;
  bool operator==(const Range&) const = default;
};
using Ranges = std::vector<Range>;

// An open file and the stream TagLib reads it through; some formats read it
// from a repaired copy in memory.
struct Opened {
  std::unique_ptr<TagLib::IOStream> stream;
  std::unique_ptr<TagLib::File> file;
};

// What a file is opened for: reading its items only, or a save's edit.
enum class Access { Read, Write };

// The stream for a file opened for `access`, with no file on it yet.
Opened streamFor(const std::string& path, Access access);

// The file opened as a `FileType` (constructed from the stream and `args`),
// or empty when TagLib finds it invalid or without audio properties.
template <class FileType, class... Args>
Opened openAs(const std::string& path, Access access, Args&&... args) {
  Opened opened = streamFor(path, access);
  opened.file = std::make_unique<FileType>(opened.stream.get(), std::forward<Args>(args)...);
  if (!opened.file->isValid() || !opened.file->audioProperties()) return {};
  return opened;
}

// Bytes that replace the first `replaced` bytes of the original in the copy
// a save works on.
struct Prefix {
  TagLib::ByteVector bytes;
  int64_t replaced = 0;
};

class Format {
 public:
  virtual ~Format() = default;
  // As the user reads it in "Not a valid MPEG file".
  virtual const char* name() const = 0;
  // The file opened with TagLib when it is of this format, else empty.
  virtual Opened open(const std::string& path, Access access) const = 0;
  virtual Items items(TagLib::File& file) const = 0;
  // Throws Failure when the text cannot be stored in the item.
  virtual void apply(TagLib::File& file, const TagLib::String& key, const TagLib::String& text) const = 0;
  // Removes every tag TagLib knows for the file.
  virtual void clear(TagLib::File& file) const = 0;
  // What items() lists after clear() on a file that listed `before`.
  virtual Items cleared(const Items& before) const;
  // Writes the edited file; TagLib's own save unless the format needs more.
  virtual bool save(TagLib::File& file, const Changes& changes) const;
  // Work on the saved copy once TagLib has closed it.
  virtual void finish(const std::string& path, const Changes& changes) const;
  // The parts of the file outside every tag, which a save leaves byte for byte;
  // empty when the bytes are not a file of this format.
  virtual std::optional<Ranges> audio(const std::string& path) const = 0;
  // Checks beyond items() and audio() that the saved copy lost nothing;
  // throws Failure.
  virtual void check(const std::string& original, const std::string& saved, const Changes& changes,
                     bool clear) const;
  virtual Prefix copyPrefix(const std::string& path) const;
};

// The format of a file by its extension (mp3/mpg, wma/avi, flac, wav, ogg,
// mp4/m4a/m4v, ape), or nullptr.
const Format* formatOfFile(const std::string& path);

// "Not a valid MPEG file": why a file gives no tags of the format.
std::string notValidReason(const Format& format);

// Each format family's single instance.
const Format& mpegFormat();
const Format& mp4Format();
const Format& wavFormat();
const Format& asfFormat();
const Format& flacFormat();
const Format& vorbisFormat();
const Format& apeFormat();

// Items after the changes: changed keys take their text, empty texts remove.
Items withChanges(Items items, const Changes& changes);

}  // namespace quillora::engine
