// Tables as tab-separated text, for people to read and edit: a header line
// of column names, then one line per row. Integers are decimal, Booleans
// True or False, texts as they are with backslash, tab, CR and LF written as
// \\, \t, \r and \n; an empty value is an empty field. Lines end in LF.
#pragma once

#include "fields/MemTable.h"
#include "fields/MemTableFile.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <vector>

namespace quillora {

struct TsvColumn {
  QString name;
  FieldType type = FieldType::String;
};

struct TsvTable {
  QVector<TsvColumn> columns;
  std::vector<QVector<QVariant>> rows;
};

QByteArray FormatTsv(const TsvTable& table);
// A text as one TSV field: backslash, tab, CR and LF written as \\, \t, \r, \n.
QString EscapeTsvText(const QString& text);
// The stored (data) columns and every row, whatever the filter.
TsvTable TsvOfTable(const MemTable& table);
// Every descriptor and record of a stream as stored.
TsvTable TsvOfStream(const MemTableData& data);

// Replaces the table's rows with those of the text, whose header names some
// of the table's stored columns in any order; the others stay empty. A
// malformed text throws quillora::Error "SOURCE:LINE: what is wrong" and
// leaves the table unchanged.
void ReadTsvIntoTable(MemTable& table, const QByteArray& tsv, const QString& sourceName);

}  // namespace quillora
