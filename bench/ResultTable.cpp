#include "bench/ResultTable.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdio>

namespace quillora::bench {

QString Rate(double perSecond, const char* unit) {
  return QStringLiteral("%1 %2").arg(perSecond, 0, 'f', perSecond < 100 ? 1 : 0).arg(QLatin1String(unit));
}

QString Ratio(double value) { return QString::number(value, 'f', 2); }

int ResultTable::print() const {
  const std::array<QString, 6> header{"Measurement", "Quillora", "Baseline", "Ratio", "Goal", "Met"};
  std::array<qsizetype, 6> widths{};
  const auto cells = [](const ResultRow& row) {
    return std::array<QString, 6>{row.measurement, row.quillora, row.baseline, row.ratio, row.goal,
                                  row.met ? QStringLiteral("yes") : QStringLiteral("NO")};
  };
  for (size_t c = 0; c < header.size(); ++c) widths[c] = header[c].size();
  for (const ResultRow& row : rows_) {
    const auto texts = cells(row);
    for (size_t c = 0; c < texts.size(); ++c) widths[c] = std::max(widths[c], texts[c].size());
  }
  const auto line = [&](const std::array<QString, 6>& texts) {
    QStringList parts;
    for (size_t c = 0; c < texts.size(); ++c) parts << texts[c].leftJustified(widths[c]);
    std::printf("| %s |\n", parts.join(QStringLiteral(" | ")).toUtf8().constData());
  };
  line(header);
  std::array<QString, 6> rule;
  for (size_t c = 0; c < rule.size(); ++c) rule[c] = QString(widths[c], QLatin1Char('-'));
  line(rule);
  int missed = 0;
  for (const ResultRow& row : rows_) {
    line(cells(row));
    if (!row.met) ++missed;
  }
  std::fflush(stdout);
  return missed;
}

}  // namespace quillora::bench
