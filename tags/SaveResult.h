// What became of one file's save.
#pragma once

#include <QString>

namespace quillora {

struct SaveResult {
  enum class Status {
    Written,   // the engine saved the file
    Failed,    // the engine could not save it; error says why
    NoWriter,  // the file's media type has no writer, so nothing was saved
  };
  Status status = Status::NoWriter;
  QString error;

  bool written() const { return status == Status::Written; }
  bool failed() const { return status == Status::Failed; }
};

}  // namespace quillora
