// quillora-bench: how fast the real main window scans and commits, against
// bare TagLib and cp on the same files, and how much memory a track row
// takes. --quick runs smaller folders; --keep keeps the temporary library;
// --only=scan,memory,unchanged,changed,large runs the measurements named
// (for a profiler); --files=N uses folders of N files throughout.
#include "bench/Measurements.h"
#include "bench/PeakMemory.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStringList args = QCoreApplication::arguments().mid(1);
  using namespace quillora::bench;
  if (!args.isEmpty() && args.front() == QLatin1String(kMemoryChildArgument))
    return RunMemoryChild(args.mid(1));

  const bool quick = args.removeAll(QStringLiteral("--quick")) > 0;
  const bool keep = args.removeAll(QStringLiteral("--keep")) > 0;
  QStringList only;
  Sizes sizes = quick ? QuickSizes() : FullSizes();
  for (const QString& arg : QStringList(args)) {
    if (arg.startsWith(QLatin1String("--only="))) only = arg.mid(7).split(QLatin1Char(','));
    else if (arg.startsWith(QLatin1String("--files="))) sizes = SizesOf(arg.mid(8).toInt());
    else continue;
    args.removeAll(arg);
  }
  const auto wanted = [&](const char* name) { return only.isEmpty() || only.contains(QLatin1String(name)); };
  const QString fixtures = args.value(0, QStringLiteral(QUILLORA_BENCH_FIXTURES));
  QTemporaryDir root(QDir::tempPath() + QStringLiteral("/quillora-bench-XXXXXX"));
  if (!root.isValid()) return 2;
  root.setAutoRemove(!keep);
  if (keep) std::fprintf(stderr, "Library kept in %s\n", root.path().toUtf8().constData());
  // The window reads and writes its field files in the working directory.
  QDir::setCurrent(root.path());

  ResultTable table;
  try {
    Measurements bench(root.path(), fixtures, sizes, table);
    if (wanted("scan")) bench.scan();
    if (wanted("memory")) bench.memory();
    if (wanted("unchanged")) bench.commitUnchanged();
    if (wanted("changed")) bench.commitChangedSmall();
    if (wanted("large")) bench.commitChangedLarge();
  } catch (const std::exception& failure) {
    table.print();
    std::fprintf(stderr, "quillora-bench: %s\n", failure.what());
    return 2;
  }
  return table.print() == 0 ? 0 : 1;
}
