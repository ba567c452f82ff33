// The default field map and catalogue that ship with the program, as
// memory-table files. They are made at build time from fields/data/*.tsv and
// stand in for "FieldsInternal.dat" and "FieldsInternal.dtt" when those
// files are missing.
#pragma once

#include <QByteArray>

namespace quillora {

QByteArray DefaultFieldMapFile();
QByteArray DefaultCatalogueFile();

}  // namespace quillora
