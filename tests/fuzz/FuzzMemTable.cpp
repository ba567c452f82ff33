// The memory-table reader on hostile bytes: parsing, reading into the field
// map and the catalogue, and writing back what was read. A stream the reader
// accepted must write out into one it accepts again, byte for byte the same,
// and no stored text may end inside a character.

#include "FuzzSupport.h"
#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "fields/MemTableFile.h"

#include <cstddef>
#include <cstdint>

namespace {

using quillora::fuzz::Require;

void RequireWholeCharacters(const quillora::MemTable& table) {
  for (int row = 0; row < table.rowCount(); ++row)
    for (int column : table.dataColumns())
      if (table.column(column).type == quillora::FieldType::String)
        Require(table.value(row, column).toString().isValidUtf16(), "a text was cut inside a character");
}

void ReadAndWriteBack(quillora::MemTable& table, const QByteArray& bytes) {
  try {
    quillora::ReadMemTableStream(table, bytes, QStringLiteral("fuzz input"));
  } catch (const quillora::Error&) {
    return;
  }
  RequireWholeCharacters(table);
  const QByteArray written = quillora::WriteMemTableStream(table);
  try {
    quillora::ReadMemTableStream(table, written, QStringLiteral("written table"));
  } catch (const quillora::Error&) {
    Require(false, "a written table does not read back");
  }
  Require(quillora::WriteMemTableStream(table) == written, "a written table reads back different");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  try {
    const quillora::MemTableData parsed = quillora::ParseMemTableStream(bytes, QStringLiteral("fuzz input"));
    for (const auto& record : parsed.records)
      Require(size_t(record.size()) == parsed.descriptors.size(), "a record without one value per field");
  } catch (const quillora::Error&) {
  }
  quillora::FieldModel model;
  ReadAndWriteBack(model.mdFieldsInternal, bytes);
  ReadAndWriteBack(model.mdFields, bytes);
  return 0;
}
