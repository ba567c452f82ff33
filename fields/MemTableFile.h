// The memory-table file: the stored form of an in-memory table, used for the
// field map and catalogue files and for the built-in rows.
//
//   "Ver", the version as a little-endian double (1.91), N (int32);
//   N field descriptors: size (int32), type code (uint16: 1 string,
//   3 integer, 5 Boolean), name length L with its zero byte (uint16), name;
//   then records to the end of the file, one value per descriptor, each a
//   has-value byte followed by an int32 (integer), an int16 (Boolean) or, only
//   when present, an int32 byte count and the text (string).
//
// Texts are written as UTF-8; a stored text that is not valid UTF-8 is read
// as Windows-1252. Every failure throws quillora::Error naming the source.
#pragma once

#include "fields/MemTable.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <vector>

namespace quillora {

struct MemTableDescriptor {
  QString name;
  FieldType type = FieldType::String;
  qint32 size = 0;  // as stored: a string's width in characters
};

// A stream as stored, independent of any table: every descriptor in file
// order and every complete record. An empty value is a null QVariant;
// integers are int, Booleans bool, texts QString, not cut to any width.
struct MemTableData {
  std::vector<MemTableDescriptor> descriptors;
  std::vector<QVector<QVariant>> records;
};

MemTableData ParseMemTableStream(const QByteArray& bytes, const QString& sourceName);

// Replaces the table's rows with the stream's: descriptors match data columns
// by name, ignoring case; unmatched descriptors are dropped and unmatched
// columns stay empty; texts are cut to the column's width. The table is left
// open with the cursor on the first row. On failure the table is unchanged.
void ReadMemTableStream(MemTable& table, const QByteArray& bytes, const QString& sourceName);
QByteArray WriteMemTableStream(const MemTable& table);

void LoadMemTable(MemTable& table, const QString& fileName);
// Writes every row whatever the filter; an existing file is replaced only
// once the new one is complete.
void SaveMemTable(const MemTable& table, const QString& fileName);

}  // namespace quillora
