#include "fields/FieldFiles.h"

#include "fields/DefaultFieldData.h"
#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "fields/MemTableFile.h"

#include <QFileInfo>

namespace quillora {

namespace {

void loadOrDefault(MemTable& table, const QString& fileName, const QByteArray& shipped) {
  if (QFileInfo::exists(fileName))
    LoadMemTable(table, fileName);
  else
    ReadMemTableStream(table, shipped, fileName);
}

}  // namespace

QStringList LoadFieldFiles(FieldModel& fields) {
  QStringList errors;
  try {
    loadOrDefault(fields.mdFieldsInternal, QLatin1String(kFieldMapFile), DefaultFieldMapFile());
  } catch (const Error& e) {
    errors << e.message();
  }
  try {
    loadOrDefault(fields.mdFields, QLatin1String(kCatalogueFile), DefaultCatalogueFile());
  } catch (const Error& e) {
    errors << e.message();
  }
  fields.mdFields.open();
  fields.mdFieldsInternal.open();
  return errors;
}

QStringList SaveFieldFiles(const FieldModel& fields) {
  QStringList errors;
  const std::pair<const MemTable*, const char*> files[] = {
      {&fields.mdFieldsInternal, kFieldMapFile}, {&fields.mdFields, kCatalogueFile}};
  for (const auto& [table, name] : files) {
    if (!table->isOpen()) continue;
    try {
      SaveMemTable(*table, QLatin1String(name));
    } catch (const Error& e) {
      errors << e.message();
    }
  }
  return errors;
}

}  // namespace quillora
