// The four measurements, each against its baseline in the same run, adding
// their rows to the result table.
#pragma once

#include "bench/BenchLibrary.h"
#include "bench/ResultTable.h"

#include <QString>
#include <QStringList>

#include <utility>

#include <memory>
#include <vector>

namespace quillora::bench {

class BenchWindow;

struct Sizes {
  std::vector<int> scanFolders;  // files per scanned folder, smallest first
  int unchangedCommit = 0;       // files of the commit with nothing changed
  int changedCommit = 0;         // small files of the commit with a change
  int largeFiles = 0;            // ~5 MB files of the commit with a change
  qint64 largeBytes = 0;         // size of each large file
  int memoryFiles = 0;           // files listed for the memory measurement
};

Sizes FullSizes();
Sizes QuickSizes();
// Every folder of `files` files (the large commit: a tenth of them).
Sizes SizesOf(int files);

class Measurements {
 public:
  // root is an empty temporary folder and the working directory.
  Measurements(const QString& root, const QString& fixtures, Sizes sizes, ResultTable& table);
  ~Measurements();

  void scan();
  void commitUnchanged();
  void commitChangedSmall();
  void commitChangedLarge();
  std::pair<double, double> changeEveryFile(const QString& folder, const QString& bareFolder, int count);
  void memory();

 private:
  // The window's scan throughput on a folder of `files` files, measured by scan().
  double scanRate(int files) const;

  QString root_;
  Sizes sizes_;
  ResultTable& table_;
  BenchLibrary library_;
  QStringList smallBases_;
  std::unique_ptr<BenchWindow> window_;
  std::vector<std::pair<int, double>> scanRates_;  // files, files per second
};

}  // namespace quillora::bench
