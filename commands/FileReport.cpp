#include "commands/FileReport.h"

namespace quillora {

QString FileCount(int count) {
  return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(count);
}

void FileReport::add(const QString& relativeName, const SaveResult& result) {
  if (result.written())
    ++written_;
  else if (result.failed())
    failures_ << relativeName + QStringLiteral(": ") + result.error;
}

QString FileReport::failureList(const QString& verb) const {
  return QStringLiteral("%1 could not be %2:\n").arg(FileCount(int(failures_.size())), verb) +
         failures_.join(QLatin1Char('\n'));
}

}  // namespace quillora
