// The engine's one current file: its format, the items of its tags as read
// when it was analysed, the changes the setters made since, and the reason the
// last save failed.
#pragma once

#include "engine/FlacFacts.h"
#include "engine/Format.h"
#include "engine/SaveBatch.h"

#include <optional>
#include <string>

namespace quillora::engine {

class Session {
 public:
  static Session& instance();

  // Makes the file current and drops pending changes; true when the file is
  // of the format its extension names.
  bool analyze(const std::string& path);
  const std::string& path() const { return path_; }
  bool is(const Format& format) const { return valid_ && format_ == &format; }

  // The item's text (the pending one when set); empty for another format.
  TagLib::String get(const Format& format, const TagLib::String& key) const;
  // Every item with the pending changes applied; empty for another format.
  Items items(const Format& format) const;
  // Records a change; the item's current text itself is no change.
  void set(const Format& format, const TagLib::String& key, const TagLib::String& text);
  // Writes the pending changes through the safe save; true on success.
  bool save(const Format& format);
  // Removes every tag of the current file through the safe save.
  bool clear();
  const std::string& lastError() const { return lastError_; }
  // The batch that saves join while it is open.
  SaveBatch& batch() { return batch_; }
  // The STREAMINFO facts of the current FLAC file, read at the first call
  // after it was analysed; empty for another format.
  const std::optional<FlacFacts>& flacFacts();

 private:
  bool run(const Format* format, const Changes& changes, bool clear);
  void reload();
  // Why the current file gave no tags of the format: it cannot be opened
  // (gone, not readable), or it is not a file of that format.
  std::string invalidReason(const Format& format) const;

  std::string path_;
  const Format* format_ = nullptr;
  bool valid_ = false;
  Items items_;
  Changes pending_;
  std::optional<std::optional<FlacFacts>> flacFacts_;
  std::string lastError_;
  SaveBatch batch_;
};

}  // namespace quillora::engine
