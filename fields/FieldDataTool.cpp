// Build-time tool: turns the default field map and catalogue, kept as TSV,
// into memory-table files and writes them as a C++ source defining
// DefaultFieldMapFile() and DefaultCatalogueFile().
//
//   quillora-fielddata FIELDMAP_TSV CATALOGUE_TSV OUT_CPP

#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "fields/MemTableFile.h"
#include "fields/TableTsv.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

using namespace quillora;

namespace {

QByteArray readAll(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) throw Error(fileName + QStringLiteral(": ") + file.errorString());
  return file.readAll();
}

QByteArray memTableFileOf(MemTable& table, const QString& tsvFile) {
  ReadTsvIntoTable(table, readAll(tsvFile), tsvFile);
  return WriteMemTableStream(table);
}

QByteArray cppFunction(const char* name, const QByteArray& bytes) {
  QByteArray out = "QByteArray " + QByteArray(name) + "() {\n  static const unsigned char bytes[] = {";
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    out += (i % 16 == 0) ? "\n    " : " ";
    out += QByteArray::number(int(static_cast<unsigned char>(bytes[i]))) + ',';
  }
  out += "\n  };\n  return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), sizeof bytes);\n}\n\n";
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s FIELDMAP_TSV CATALOGUE_TSV OUT_CPP\n", argv[0]);
    return 2;
  }
  try {
    FieldModel model;
    QByteArray source =
        "// Made by quillora-fielddata from fields/data; do not edit.\n"
        "#include \"fields/DefaultFieldData.h\"\n\nnamespace quillora {\n\n";
    source += cppFunction("DefaultFieldMapFile", memTableFileOf(model.mdFieldsInternal, argv[1]));
    source += cppFunction("DefaultCatalogueFile", memTableFileOf(model.mdFields, argv[2]));
    source += "}  // namespace quillora\n";
    QSaveFile out(argv[3]);
    if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size() || !out.commit())
      throw Error(QString::fromLocal8Bit(argv[3]) + QStringLiteral(": ") + out.errorString());
  } catch (const Error& e) {
    std::fprintf(stderr, "quillora-fielddata: %s\n", qPrintable(e.message()));
    return 1;
  }
  return 0;
}
