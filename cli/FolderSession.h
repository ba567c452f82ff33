// What every folder command starts with: the field files and the tag engine
// loaded as the window loads them, and the folder scanned as "Refresh" scans
// it, all on the window's own code.
#pragma once

#include "cli/HeadlessHost.h"
#include "tracks/Workspace.h"

#include <QString>

namespace quillora::cli {

class FolderSession {
 public:
  // Throws UsageError when the folder does not exist, Error when a field
  // file or the tag engine cannot be loaded or the scan fails. A folder the
  // scan could not read, and each listed file that cannot be read, are
  // reported on standard error.
  FolderSession(const QString& folder, bool includeSubdirectories, bool answerYes = false);

  Workspace ws;
  HeadlessHost host;

  // 1 when the scan could not read everything, else 0.
  int scanExitCode() const { return scanComplete_ ? 0 : 1; }

 private:
  void reportUnreadableFiles();

  bool scanComplete_ = true;
};

}  // namespace quillora::cli
