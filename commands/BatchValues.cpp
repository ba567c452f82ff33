#include "commands/BatchValues.h"

#include "fields/FieldModel.h"

namespace quillora {

void OfferBatchValue(FieldModel& fields, int mapRow, const QString& value) {
  const FieldMapColumns& fm = fields.fm();
  const CatalogueColumns& cat = fields.cat();
  fields.mdFieldsInternal.setValue(mapRow, fm.InternalBatchValue, value);
  const int fieldId = fields.mdFieldsInternal.value(mapRow, fm.FieldID).toInt();
  MemTable& catalogue = fields.mdFields;
  for (int row = 0; row < catalogue.rowCount(); ++row) {
    if (catalogue.value(row, cat.ID).toInt() == fieldId) {
      catalogue.setValue(row, cat.BatchValue, value);
      return;
    }
  }
}

}  // namespace quillora
