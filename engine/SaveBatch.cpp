#include "engine/SaveBatch.h"

#include <sys/stat.h>

#include <set>

namespace quillora::engine {

namespace {

// Bounds on what waits: open files, and data the disk has yet to take.
constexpr size_t kMostFiles = 64;
constexpr int64_t kMostBytes = int64_t(64) << 20;

}  // namespace

void SaveBatch::begin() {
  if (open_) return;
  failures_.clear();
  open_ = true;
}

void SaveBatch::add(const std::string& path, PreparedSave save) {
  save.copy->keepOwnerAndMode(save.original);
  save.copy->startFlush();
  waitingBytes_ += save.original.st_size;
  waiting_.push_back({path, std::move(save)});
  if (waiting_.size() >= kMostFiles || waitingBytes_ >= kMostBytes) complete();
}

bool SaveBatch::waitsFor(const std::string& path) const {
  if (waiting_.empty()) return false;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  for (const Waiting& w : waiting_)
    if (w.save.original.st_dev == info.st_dev && w.save.original.st_ino == info.st_ino) return true;
  return false;
}

void SaveBatch::complete() {
  std::vector<Waiting> waiting;
  waiting.swap(waiting_);
  waitingBytes_ = 0;
  // All copies reach the disk first; each file is checked right before its
  // copy replaces it.
  std::vector<bool> flushed(waiting.size(), false);
  for (size_t i = 0; i < waiting.size(); ++i) {
    try {
      waiting[i].save.copy->flush();
      flushed[i] = true;
    } catch (const Failure& failure) {
      failures_.push_back({waiting[i].path, failure.what()});
    }
  }
  std::set<std::string> folders;
  for (size_t i = 0; i < waiting.size(); ++i) {
    if (!flushed[i]) continue;
    try {
      checkUnchanged(waiting[i].save);
      waiting[i].save.copy->putInPlace();
      folders.insert(waiting[i].save.copy->folder());
    } catch (const Failure& failure) {
      failures_.push_back({waiting[i].path, failure.what()});
    }
  }
  for (const std::string& folder : folders) flushFolder(folder);
}

int SaveBatch::end() {
  complete();
  open_ = false;
  return static_cast<int>(failures_.size());
}

}  // namespace quillora::engine
