// Gathers what became of each file of a commit or a clear, for the one
// message that ends the command.
#pragma once

#include "tags/SaveResult.h"

#include <QString>
#include <QStringList>

namespace quillora {

class FileReport {
 public:
  void add(const QString& relativeName, const SaveResult& result);
  int written() const { return written_; }
  bool hasFailures() const { return !failures_.isEmpty(); }
  // "n files could not be <verb>:" and one "<relative name>: <reason>" line
  // per file.
  QString failureList(const QString& verb) const;

 private:
  int written_ = 0;
  QStringList failures_;
};

// "1 file" or "n files".
QString FileCount(int count);

}  // namespace quillora
