// The value list of the tag values holder: one "id=value" line per field that
// has a value, in the order the fields were first set.
#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

class ValueList {
 public:
  // The value of the field's line, or an empty text when it has none.
  QString GetFieldValue(int fieldId) const;
  // A value replaces the field's value in place or appends a line; an empty
  // value removes the field's line.
  void SetFieldValue(int fieldId, const QString& value);

  // The lines, each the field id in decimal, "=", and the value.
  const QStringList& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  qsizetype indexOf(int fieldId) const;

  QStringList lines_;
};

// The field id of a line: the text before its first "=".
QString LineName(const QString& line);

}  // namespace quillora
