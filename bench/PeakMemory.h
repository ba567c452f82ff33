// The process's peak resident size, and the memory measurement, which runs
// in a child process of its own so that no earlier measurement has raised
// the peak already.
#pragma once

#include <QString>
#include <QStringList>

namespace quillora::bench {

// VmHWM of /proc/self/status, in bytes.
qint64 PeakResidentBytes();

struct MemoryResult {
  qint64 baselineBytes = 0;  // peak with the window up and a few files listed
  qint64 peakBytes = 0;      // peak after listing the folder
  int rows = 0;
  qint64 valueTextBytes = 0;  // the text of every value of those rows
  bool ok = false;
};

// The argument that makes the program the memory measurement's child.
inline constexpr const char* kMemoryChildArgument = "--memory-child";

// Starts this program as the child: it opens the window, lists warmFolder,
// then folder, and reports the peaks.
MemoryResult MeasureMemoryInChild(const QString& warmFolder, const QString& folder,
                                  const QString& programFolder);
// The child's side; args are warmFolder, folder, programFolder. Prints the
// report and returns the exit code.
int RunMemoryChild(const QStringList& args);

}  // namespace quillora::bench
