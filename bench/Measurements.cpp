#include "bench/Measurements.h"

#include "bench/BareReplace.h"
#include "bench/BareTagLib.h"
#include "bench/BenchFields.h"
#include "bench/BenchWindow.h"
#include "bench/FileSnapshot.h"
#include "bench/PeakMemory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>

namespace quillora::bench {

namespace {

// Each side of a comparison runs this often, the best run counting, so a
// moment of load from elsewhere on the machine does not decide the result.
constexpr int kRuns = 2;
const QString kChangedValue = QStringLiteral("Album changed by the benchmark");

void progress(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  std::fflush(stderr);
}

double timed(const std::function<void()>& work) {
  QElapsedTimer clock;
  clock.start();
  work();
  return double(clock.nsecsElapsed()) / 1e9;
}

// Runs work kRuns times; returns the shortest time in seconds.
double bestSeconds(const std::function<void()>& work) {
  double best = timed(work);
  for (int run = 1; run < kRuns; ++run) best = std::min(best, timed(work));
  return best;
}

QString files(int count) { return QLocale(QLocale::English).toString(count) + " files"; }

qint64 folderBytes(const QString& folder) {
  qint64 bytes = 0;
  for (const QString& file : FolderFiles(folder)) bytes += QFileInfo(file).size();
  return bytes;
}

// Writes every dirty page of the file system holding `path` to disk. Copies
// (the library's, cp's) and in-place saves leave their bytes to the system to
// write; a timed step that follows must not pay for them.
void flushFileSystem(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  syncfs(fd);
  ::close(fd);
}

void require(bool condition, const QString& what) {
  if (!condition) throw std::runtime_error(what.toStdString());
}

}  // namespace

Sizes FullSizes() { return {{1000, 5000, 20000}, 5000, 1000, 40, 5 << 20, 20000}; }
Sizes QuickSizes() { return {{200, 1000, 4000}, 1000, 200, 8, 5 << 20, 4000}; }
Sizes SizesOf(int files) { return {{files}, files, files, std::max(files / 10, 1), 5 << 20, files}; }

Measurements::Measurements(const QString& root, const QString& fixtures, Sizes sizes, ResultTable& table)
    : root_(root), sizes_(std::move(sizes)), table_(table), library_(root) {
  smallBases_ = library_.makeSmallBases(fixtures);
  QDir().mkpath(root_ + "/program");
  window_ = std::make_unique<BenchWindow>(root_ + "/program");
}

Measurements::~Measurements() = default;

double Measurements::scanRate(int count) const {
  for (const auto& [n, rate] : scanRates_)
    if (n == count) return rate;
  return 0;
}

void Measurements::scan() {
  for (int count : sizes_.scanFolders) {
    const QString folder = library_.makeFolder(QStringLiteral("scan-%1").arg(count), smallBases_, count);
    progress(QStringLiteral("Scan of %1 ...").arg(files(count)));
    qint64 valueBytes = 0;
    int read = 0;
    const double bare = bestSeconds([&] { read = ReadFolderWithTagLib(folder, valueBytes); });
    require(read == count, QStringLiteral("TagLib read %1 of %2 files").arg(read).arg(count));
    const double window = bestSeconds([&] { window_->refresh(folder); });
    require(window_->rows() == count, QStringLiteral("Refresh listed %1 of %2 files").arg(window_->rows()).arg(count));
    const double rate = count / window;
    const double bareRate = count / bare;
    scanRates_.emplace_back(count, rate);
    table_.add({QStringLiteral("Scan (Refresh), %1, vs bare TagLib read").arg(files(count)), Rate(rate, "files/s"),
                Rate(bareRate, "files/s"), Ratio(rate / bareRate), ">= 0.80", rate / bareRate >= 0.8});
  }
  const int smallest = sizes_.scanFolders.front();
  const int largest = sizes_.scanFolders.back();
  const double growth = scanRate(largest) / scanRate(smallest);
  table_.add({QStringLiteral("Scan files/s at %1 over at %2").arg(files(largest), files(smallest)),
              Rate(scanRate(largest), "files/s"), Rate(scanRate(smallest), "files/s"), Ratio(growth),
              ">= 0.80", growth >= 0.8});
}

void Measurements::commitUnchanged() {
  const int count = sizes_.unchangedCommit;
  const QString folder = library_.makeFolder(QStringLiteral("commit-unchanged"), smallBases_, count);
  progress(QStringLiteral("Commit with nothing changed, %1 ...").arg(files(count)));
  const double scan = bestSeconds([&] { window_->refresh(folder); });
  require(window_->rows() == count, QStringLiteral("Refresh listed %1 of %2 files").arg(window_->rows()).arg(count));
  const FileSnapshot before(folder);
  const double commit = bestSeconds([&] { window_->commit(); });
  const int modified = before.modifiedIn(FileSnapshot(folder));
  const double rate = count / commit;
  const double scanRate = count / scan;
  table_.add({QStringLiteral("Commit, nothing changed, %1, vs the scan").arg(files(count)), Rate(rate, "files/s"),
              Rate(scanRate, "files/s"), Ratio(rate / scanRate), ">= 0.90", rate / scanRate >= 0.9});
  table_.add({QStringLiteral("Files modified by that commit"), QString::number(modified), QStringLiteral("-"),
              QStringLiteral("-"), "0", modified == 0});
}

// Types the changed album into every row of the folder and commits it
// through the window, then saves the same change with bare TagLib into the
// copy. Returns both times in seconds.
std::pair<double, double> Measurements::changeEveryFile(const QString& folder, const QString& bareFolder,
                                                        int count) {
  window_->refresh(folder);
  require(window_->setEveryCell(kChangedCaption, kChangedValue) == count, "the album could not be typed in");
  const FileSnapshot before(folder);
  flushFileSystem(folder);
  const double commit = timed([&] { window_->commit(); });
  const int modified = before.modifiedIn(FileSnapshot(folder));
  require(modified == count, QStringLiteral("the commit wrote %1 of %2 files: %3")
                                 .arg(modified).arg(count).arg(window_->lastMessage()));
  int saved = 0;
  const double bare = timed([&] { saved = WriteFolderWithTagLib(bareFolder, kChangedValue); });
  require(saved == count, QStringLiteral("TagLib saved %1 of %2 files").arg(saved).arg(count));
  return {commit, bare};
}

void Measurements::commitChangedSmall() {
  const int count = sizes_.changedCommit;
  const QString folder = library_.makeFolder(QStringLiteral("commit-small"), smallBases_, count);
  const QString bareFolder = library_.copyFolder(folder, QStringLiteral("commit-small-bare"));
  progress(QStringLiteral("Commit with one field changed, %1 ...").arg(files(count)));
  const auto [commit, bare] = changeEveryFile(folder, bareFolder, count);
  const double rate = count / commit;
  const double bareRate = count / bare;
  table_.add({QStringLiteral("Commit, album changed, %1 small, vs TagLib in place").arg(files(count)),
              Rate(rate, "files/s"), Rate(bareRate, "files/s"), Ratio(rate / bareRate), ">= 0.50",
              rate / bareRate >= 0.5});
  // What a save that never edits in place costs before any tag work.
  int replaced = 0;
  flushFileSystem(bareFolder);
  const double floor = timed([&] { replaced = ReplaceFolderWithCopies(bareFolder); });
  require(replaced == count, QStringLiteral("%1 of %2 files were replaced by copies").arg(replaced).arg(count));
  const double floorRate = count / floor;
  table_.add({QStringLiteral("Commit, album changed, %1 small, vs new copy + flush + rename").arg(files(count)),
              Rate(rate, "files/s"), Rate(floorRate, "files/s"), Ratio(rate / floorRate), "-", true});
}

void Measurements::commitChangedLarge() {
  const int count = sizes_.largeFiles;
  progress(QStringLiteral("Making the large files ..."));
  const QStringList bases = library_.makeLargeBases(sizes_.largeBytes);
  const QString folder = library_.makeFolder(QStringLiteral("commit-large"), bases, count);
  const QString bareFolder = library_.copyFolder(folder, QStringLiteral("commit-large-bare"));
  const qint64 bytes = folderBytes(folder);
  const double megabytes = double(bytes) / double(1 << 20);
  const QString what = QStringLiteral("%1 of %2 MB").arg(files(count)).arg(megabytes / count, 0, 'f', 1);
  progress(QStringLiteral("Commit with one field changed, %1 ...").arg(what));

  const auto copyFolder = [&](const QString& target) {
    require(QProcess::execute(QStringLiteral("cp"), {"-r", folder, target}) == 0, "cp failed");
  };
  flushFileSystem(root_);
  const double copy = timed([&] { copyFolder(root_ + "/commit-large-cp"); });
  flushFileSystem(root_);
  const double flushedCopy = timed([&] {
    copyFolder(root_ + "/commit-large-cp-flushed");
    flushFileSystem(root_);
  });
  const auto [commit, bare] = changeEveryFile(folder, bareFolder, count);

  table_.add({QStringLiteral("Commit, album changed, %1, vs TagLib in place").arg(what),
              Rate(count / commit, "files/s"), Rate(count / bare, "files/s"), Ratio(bare / commit), "-", true});
  const double rate = megabytes / commit;
  const double copyRate = megabytes / copy;
  table_.add({QStringLiteral("Commit, album changed, %1, vs cp").arg(what), Rate(rate, "MB/s"),
              Rate(copyRate, "MB/s"), Ratio(rate / copyRate), ">= 0.70", rate / copyRate >= 0.7});
  const double flushedRate = megabytes / flushedCopy;
  table_.add({QStringLiteral("Commit, album changed, %1, vs cp + flush").arg(what), Rate(rate, "MB/s"),
              Rate(flushedRate, "MB/s"), Ratio(rate / flushedRate), "-", true});
}

void Measurements::memory() {
  const int count = sizes_.memoryFiles;
  const QString scanned = root_ + QStringLiteral("/scan-%1").arg(count);
  const QString folder = QFileInfo::exists(scanned)
                             ? scanned
                             : library_.makeFolder(QStringLiteral("memory-%1").arg(count), smallBases_, count);
  const QString warm = library_.makeFolder(QStringLiteral("memory-warm"), smallBases_, 8);
  QDir().mkpath(root_ + "/program-memory");
  progress(QStringLiteral("Peak memory after listing %1 ...").arg(files(count)));
  const MemoryResult result = MeasureMemoryInChild(warm, folder, root_ + "/program-memory");
  require(result.ok && result.rows == count, "the memory measurement failed");
  const double grown = double(result.peakBytes - result.baselineBytes);
  const double textPerRow = double(result.valueTextBytes) / count;
  const double perRow = grown / count - textPerRow;
  table_.add({QStringLiteral("Peak RSS per track row beyond its text, %1").arg(files(count)),
              QStringLiteral("%1 B/row").arg(perRow, 0, 'f', 0),
              QStringLiteral("peak +%1 MB, text %2 B/row").arg(grown / double(1 << 20), 0, 'f', 1).arg(textPerRow, 0, 'f', 0),
              QStringLiteral("-"), "<= 2048 B", perRow <= 2048});
}

}  // namespace quillora::bench
