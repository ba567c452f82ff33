#include "fields/TableRows.h"

namespace quillora {

void ReplaceTableRows(MemTable& table, const QVector<int>& columns,
                      const std::vector<QVector<QVariant>>& rows) {
  table.disableControls();
  table.close();
  table.open();
  for (const QVector<QVariant>& values : rows) {
    const int row = table.appendRowRaw();
    for (int j = 0; j < columns.size(); ++j) {
      if (columns[j] >= 0 && !values[j].isNull()) table.setStoredValue(row, columns[j], values[j]);
    }
  }
  table.first();
  table.enableControls();
}

}  // namespace quillora
