#include "engine/SafeSave.h"

#include "engine/FileBytes.h"
#include "engine/WorkingCopy.h"

#include <taglib/audioproperties.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quillora::engine {

namespace {

[[noreturn]] void failWithErrno(int error) {
  throw Failure(errnoReason(error));
}

// The file a save replaces: a symbolic link's target, so the link stays.
std::string resolved(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (!real) failWithErrno(errno);
  std::string target(real);
  std::free(real);
  return target;
}

// Refuses a file the user may not write, even where the folder would allow
// replacing it. The owner's write bit counts for root too.
void checkWritable(const std::string& target, const struct stat& info) {
  if (!S_ISREG(info.st_mode)) throw Failure("Not a regular file");
  if (access(target.c_str(), W_OK) != 0) failWithErrno(errno);
  if (!(info.st_mode & S_IWUSR)) throw Failure(std::strerror(EACCES));
  struct statvfs volume {};
  if (statvfs(target.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY)) throw Failure(std::strerror(EROFS));
}

struct Sound {
  int length = 0, sampleRate = 0, channels = 0;
  bool operator==(const Sound&) const = default;
};

Sound soundOf(TagLib::File& file) {
  const TagLib::AudioProperties* p = file.audioProperties();
  return p ? Sound{p->lengthInMilliseconds(), p->sampleRate(), p->channels()} : Sound{};
}

// Applies the edit to the copy and returns what the copy's items must be.
Items edit(const std::string& copy, const Format& format, const Changes& changes, bool clear, Sound& sound) {
  Opened opened = format.open(copy, Access::Write);
  if (!opened.file) throw Failure(notValidReason(format));
  sound = soundOf(*opened.file);
  const Items before = format.items(*opened.file);
  if (clear)
    format.clear(*opened.file);
  else
    for (const auto& [key, text] : changes) format.apply(*opened.file, key, text);
  if (!format.save(*opened.file, changes)) throw Failure("The tag could not be written");
  return clear ? format.cleared(before) : withChanges(before, changes);
}

// Returns where the audio lies in the copy.
Ranges verify(const std::string& original, const Ranges& originalAudio, const std::string& copy, const Format& format,
              const Changes& changes, bool clear, const Items& expected, const Sound& sound) {
  {
    Opened opened = format.open(copy, Access::Read);
    if (!opened.file) throw Failure("Verification failed: the written file cannot be read back");
    const Items actual = format.items(*opened.file);
    for (const auto& [key, text] : expected) {
      const auto found = actual.find(key);
      if (found == actual.end()) throw Failure("Verification failed: " + key.to8Bit(true) + " was lost");
      if (found->second != text) throw Failure("Verification failed: " + key.to8Bit(true) + " does not read back as written");
    }
    for (const auto& item : actual)
      if (!expected.count(item.first)) throw Failure("Verification failed: " + item.first.to8Bit(true) + " appeared");
    if (!(soundOf(*opened.file) == sound)) throw Failure("Verification failed: the audio properties changed");
  }
  const auto copyAudio = format.audio(copy);
  if (!copyAudio || !sameBytes(original, originalAudio, copy, *copyAudio))
    throw Failure("Verification failed: the audio data changed");
  format.check(original, copy, changes, clear);
  return *copyAudio;
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

}  // namespace

std::string errnoReason(int error) {
  return error == ENOENT ? "The file no longer exists" : std::strerror(error);
}

SaveWork prepareSave(const std::string& path, const Format& format, const Changes& changes, bool clear) {
  const std::string target = resolved(path);
  struct stat info {};
  if (stat(target.c_str(), &info) != 0) failWithErrno(errno);
  checkWritable(target, info);
  const auto originalAudio = format.audio(target);
  if (!originalAudio) throw Failure(notValidReason(format));

  auto copy = std::make_unique<WorkingCopy>(target);
  copy->fill(format.copyPrefix(target));
  Sound sound;
  SaveWork work;
  work.items = edit(copy->path(), format, changes, clear, sound);
  format.finish(copy->path(), changes);
  const Ranges copyAudio = verify(target, *originalAudio, copy->path(), format, changes, clear, work.items, sound);
  // The audio compared equal; where it lies at the same places, only the
  // bytes around it can tell whether anything changed.
  const Ranges same = copyAudio == *originalAudio ? copyAudio : Ranges{};
  if (!sameContent(target, copy->path(), same)) work.prepared = PreparedSave{std::move(copy), info};
  return work;
}

void checkUnchanged(const PreparedSave& save) {
  struct stat now {};
  if (stat(save.copy->target().c_str(), &now) != 0) failWithErrno(errno);
  if (!sameFile(save.original, now)) throw Failure("The file changed while it was being saved");
}

void replaceNow(PreparedSave& save) {
  checkUnchanged(save);
  save.copy->replace(save.original);
}

}  // namespace quillora::engine
