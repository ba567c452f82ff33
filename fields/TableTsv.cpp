#include "fields/TableTsv.h"

#include "fields/Error.h"
#include "fields/TableRows.h"

#include <QStringDecoder>

namespace quillora {

QString EscapeTsvText(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    switch (c.unicode()) {
      case '\\': out += QLatin1String("\\\\"); break;
      case '\t': out += QLatin1String("\\t"); break;
      case '\r': out += QLatin1String("\\r"); break;
      case '\n': out += QLatin1String("\\n"); break;
      default: out += c;
    }
  }
  return out;
}

namespace {

QString formatted(FieldType type, const QVariant& value) {
  if (value.isNull()) return QString();
  switch (type) {
    case FieldType::Integer: return QString::number(value.toInt());
    case FieldType::Boolean: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: return EscapeTsvText(value.toString());
  }
}

// Reads one line's fields; every failure names the line.
class LineParser {
 public:
  LineParser(const QString& sourceName, int line) : source_(sourceName), line_(line) {}

  [[noreturn]] void fail(const QString& what) const {
    throw Error(QStringLiteral("%1:%2: %3").arg(source_).arg(line_).arg(what));
  }

  QString unescaped(const QString& field) const {
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
      if (field[i] != u'\\') {
        out += field[i];
        continue;
      }
      if (++i == field.size()) fail(QStringLiteral("\"%1\" ends in a lone backslash").arg(field));
      const QChar next = field[i];
      switch (next.unicode()) {
        case '\\': out += u'\\'; break;
        case 't': out += u'\t'; break;
        case 'r': out += u'\r'; break;
        case 'n': out += u'\n'; break;
        default: fail(QStringLiteral("unknown escape \"\\%1\" in \"%2\"").arg(next, field));
      }
    }
    return out;
  }

  QVariant value(const ColumnDef& column, const QString& field) const {
    if (field.isEmpty()) return QVariant();
    switch (column.type) {
      case FieldType::Integer: {
        bool ok = false;
        const int v = field.toInt(&ok);
        if (!ok || field.trimmed() != field)
          fail(QStringLiteral("\"%1\" is not an integer (column %2)").arg(field, column.name));
        return v;
      }
      case FieldType::Boolean:
        if (field.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
        if (field.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
        fail(QStringLiteral("\"%1\" is not True or False (column %2)").arg(field, column.name));
      case FieldType::String: {
        const QString text = unescaped(field);
        const qsizetype length = text.toUcs4().size();
        if (length > column.size)
          fail(QStringLiteral("a text of %1 characters is wider than column %2 (%3)")
                   .arg(length).arg(column.name).arg(column.size));
        return text;
      }
      case FieldType::DateTime: break;
    }
    fail(QStringLiteral("column %1 cannot be read from text").arg(column.name));
  }

 private:
  const QString& source_;
  int line_;
};

}  // namespace

QByteArray FormatTsv(const TsvTable& table) {
  QStringList lines;
  QStringList names;
  for (const TsvColumn& c : table.columns) names.append(EscapeTsvText(c.name));
  lines.append(names.join(u'\t'));
  for (const QVector<QVariant>& row : table.rows) {
    QStringList fields;
    for (qsizetype j = 0; j < table.columns.size(); ++j)
      fields.append(formatted(table.columns[j].type, row.value(j)));
    lines.append(fields.join(u'\t'));
  }
  return (lines.join(u'\n') + u'\n').toUtf8();
}

TsvTable TsvOfTable(const MemTable& table) {
  TsvTable tsv;
  const QVector<int> columns = table.dataColumns();
  for (int c : columns) tsv.columns.append({table.column(c).name, table.column(c).type});
  for (int row = 0; row < table.rowCount(); ++row) {
    QVector<QVariant> values;
    for (int c : columns) values.append(table.value(row, c));
    tsv.rows.push_back(values);
  }
  return tsv;
}

TsvTable TsvOfStream(const MemTableData& data) {
  TsvTable tsv;
  for (const MemTableDescriptor& d : data.descriptors) tsv.columns.append({d.name, d.type});
  tsv.rows = data.records;
  return tsv;
}

void ReadTsvIntoTable(MemTable& table, const QByteArray& tsv, const QString& sourceName) {
  QList<QByteArray> lines = tsv.split('\n');
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();

  QVector<int> columns;
  std::vector<QVector<QVariant>> rows;
  for (int i = 0; i < lines.size(); ++i) {
    const LineParser parser(sourceName, i + 1);
    QByteArray bytes = lines[i];
    if (bytes.endsWith('\r')) bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString line = utf8(bytes);
    if (utf8.hasError()) parser.fail(QStringLiteral("the line is not UTF-8 text"));
    const QStringList fields = line.split(u'\t');

    if (i == 0) {
      if (line.isEmpty()) parser.fail(QStringLiteral("the header line of column names is empty"));
      for (const QString& field : fields) {
        const QString name = parser.unescaped(field);
        const int c = table.columnIndex(name);
        if (c < 0 || table.column(c).isLookup)
          parser.fail(QStringLiteral("the table %1 stores no column named \"%2\"").arg(table.tableName(), name));
        if (columns.contains(c)) parser.fail(QStringLiteral("column \"%1\" is named twice").arg(name));
        columns.append(c);
      }
      continue;
    }
    if (fields.size() != columns.size())
      parser.fail(QStringLiteral("expected %1 fields, found %2").arg(columns.size()).arg(fields.size()));
    QVector<QVariant> values;
    for (int j = 0; j < columns.size(); ++j) values.append(parser.value(table.column(columns[j]), fields[j]));
    rows.push_back(values);
  }
  ReplaceTableRows(table, columns, rows);
}

}  // namespace quillora
