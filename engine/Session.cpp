#include "engine/Session.h"

#include "engine/SafeSave.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace quillora::engine {

Session& Session::instance() {
  static Session session;
  return session;
}

bool Session::analyze(const std::string& path) {
  if (batch_.waitsFor(path)) batch_.complete();
  path_ = path;
  format_ = formatOfFile(path);
  pending_.clear();
  reload();
  return valid_;
}

void Session::reload() {
  valid_ = false;
  items_.clear();
  flacFacts_.reset();
  if (!format_) return;
  Opened opened = format_->open(path_, Access::Read);
  if (!opened.file) return;
  items_ = format_->items(*opened.file);
  valid_ = true;
}

std::string Session::invalidReason(const Format& format) const {
  const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errnoReason(errno);
  ::close(fd);
  return notValidReason(format);
}

const std::optional<FlacFacts>& Session::flacFacts() {
  if (!flacFacts_) flacFacts_ = is(flacFormat()) ? readFlacFacts(path_) : std::nullopt;
  return *flacFacts_;
}

TagLib::String Session::get(const Format& format, const TagLib::String& key) const {
  if (!is(format)) return {};
  if (const auto change = pending_.find(key); change != pending_.end()) return change->second;
  const auto item = items_.find(key);
  return item == items_.end() ? TagLib::String() : item->second;
}

Items Session::items(const Format& format) const {
  return is(format) ? withChanges(items_, pending_) : Items{};
}

void Session::set(const Format& format, const TagLib::String& key, const TagLib::String& text) {
  if (!is(format)) return;
  const auto item = items_.find(key);
  if (text == (item == items_.end() ? TagLib::String() : item->second))
    pending_.erase(key);
  else
    pending_[key] = text;
}

bool Session::save(const Format& format) {
  if (!is(format)) {
    lastError_ = invalidReason(format);
    return false;
  }
  if (pending_.empty()) {
    lastError_.clear();
    return true;
  }
  return run(&format, pending_, false);
}

bool Session::clear() {
  if (!format_) {
    lastError_ = "Not a supported audio file";
    return false;
  }
  if (!valid_) {
    lastError_ = invalidReason(*format_);
    return false;
  }
  return run(format_, {}, true);
}

bool Session::run(const Format* format, const Changes& changes, bool clear) {
  try {
    // A second save of a file must start from its first one.
    if (batch_.waitsFor(path_)) batch_.complete();
    SaveWork work = prepareSave(path_, *format, changes, clear);
    if (work.prepared && batch_.isOpen()) {
      batch_.add(path_, std::move(*work.prepared));
    } else if (work.prepared) {
      replaceNow(*work.prepared);
    }
    // The check read these items back from the copy.
    items_ = std::move(work.items);
  } catch (const std::exception& failure) {
    lastError_ = failure.what();
    return false;
  }
  lastError_.clear();
  pending_.clear();
  return true;
}

}  // namespace quillora::engine
