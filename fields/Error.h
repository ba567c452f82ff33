// The one error type of the program: an exception carrying the message text
// that the user is shown.
#pragma once

#include <QString>

#include <stdexcept>

namespace quillora {

class Error : public std::runtime_error {
 public:
  explicit Error(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

}  // namespace quillora
