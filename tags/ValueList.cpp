#include "tags/ValueList.h"

namespace quillora {

QString LineName(const QString& line) { return line.left(line.indexOf(QLatin1Char('='))); }

qsizetype ValueList::indexOf(int fieldId) const {
  const QString name = QString::number(fieldId);
  // Compared in place: a reading sets every field, each looked up here.
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    const QStringView line(lines_[i]);
    if (line.left(line.indexOf(QLatin1Char('='))) == name) return i;
  }
  return -1;
}

QString ValueList::GetFieldValue(int fieldId) const {
  const qsizetype i = indexOf(fieldId);
  if (i < 0) return QString();
  const QString& line = lines_[i];
  return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

void ValueList::SetFieldValue(int fieldId, const QString& value) {
  const qsizetype i = indexOf(fieldId);
  if (value.isEmpty()) {
    if (i >= 0) lines_.removeAt(i);
    return;
  }
  const QString line = QString::number(fieldId) + QLatin1Char('=') + value;
  if (i >= 0)
    lines_[i] = line;
  else
    lines_.append(line);
}

}  // namespace quillora
