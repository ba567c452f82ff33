// The one table the benchmark prints: each measurement beside its baseline,
// their ratio, the goal and whether it was reached.
#pragma once

#include <QString>

#include <vector>

namespace quillora::bench {

struct ResultRow {
  QString measurement;
  QString quillora;  // Quillora's figure, as text
  QString baseline;  // the baseline's figure, as text
  QString ratio;
  QString goal;
  bool met = true;
};

class ResultTable {
 public:
  void add(ResultRow row) { rows_.push_back(std::move(row)); }
  // Prints the table to standard output; returns the number of goals missed.
  int print() const;

 private:
  std::vector<ResultRow> rows_;
};

// "1234.5 files/s"-style numbers.
QString Rate(double perSecond, const char* unit);
QString Ratio(double value);

}  // namespace quillora::bench
