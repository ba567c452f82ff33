#include "bench/PeakMemory.h"

#include "bench/BenchWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

namespace quillora::bench {

qint64 PeakResidentBytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
  return 0;
}

MemoryResult MeasureMemoryInChild(const QString& warmFolder, const QString& folder,
                                  const QString& programFolder) {
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  child.start(QCoreApplication::applicationFilePath(),
              {kMemoryChildArgument, warmFolder, folder, programFolder});
  MemoryResult result;
  if (!child.waitForFinished(-1) || child.exitCode() != 0) return result;
  const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
  if (fields.size() != 4) return result;
  result.baselineBytes = fields[0].toLongLong();
  result.peakBytes = fields[1].toLongLong();
  result.rows = fields[2].toInt();
  result.valueTextBytes = fields[3].toLongLong();
  result.ok = true;
  return result;
}

int RunMemoryChild(const QStringList& args) {
  if (args.size() != 3) return 2;
  BenchWindow window(args[2]);
  window.refresh(args[0]);
  const qint64 baseline = PeakResidentBytes();
  window.refresh(args[1]);
  const qint64 peak = PeakResidentBytes();
  std::printf("%lld %lld %d %lld\n", static_cast<long long>(baseline), static_cast<long long>(peak),
              window.rows(), static_cast<long long>(window.valueTextBytes()));
  return window.unexpectedDialogs().isEmpty() ? 0 : 1;
}

}  // namespace quillora::bench
