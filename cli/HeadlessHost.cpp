#include "cli/HeadlessHost.h"

#include "cli/CommandGroup.h"

#include "fields/MemTable.h"

#include <numeric>
#include <utility>

namespace quillora::cli {

HeadlessHost::HeadlessHost(const QString& folder, bool includeSubdirectories,
                           const MemTable& tracks, bool answerYes)
    : folder_(folder), includeSubdirectories_(includeSubdirectories), tracks_(tracks),
      answerYes_(answerYes) {}

std::vector<int> HeadlessHost::displayedRows() const {
  std::vector<int> rows(size_t(tracks_.isOpen() ? tracks_.rowCount() : 0));
  std::iota(rows.begin(), rows.end(), 0);
  return rows;
}

void HeadlessHost::showMessage(const QString& text, const QString& caption) {
  messages_.push_back({text, caption});
}

bool HeadlessHost::confirm(const QString& text, const QString&) {
  questions_ << text;
  return answerYes_;
}

std::vector<HostMessage> HeadlessHost::takeMessages() { return std::exchange(messages_, {}); }

int HeadlessHost::reportMessages() {
  int exitCode = 0;
  for (const HostMessage& message : takeMessages()) {
    if (message.text.contains(QLatin1Char('\n'))) {
      WriteError(message.text);
      exitCode = 1;
    } else {
      WriteOut((message.text + QLatin1Char('\n')).toUtf8());
    }
  }
  return exitCode;
}

}  // namespace quillora::cli
