#include "commands/BatchValues.h"

#include "fields/FieldModel.h"

namespace quillora {

void OfferBatchValue(FieldModel& fields, int mapRow, const QString& value) {
  const FieldMapColumns& fm = fields.fm();
  fields.mdFieldsInternal.setValue(mapRow, fm.InternalBatchValue, value);
  const int entry = fields.CatalogueRow(fields.mdFieldsInternal.value(mapRow, fm.FieldID).toInt());
  if (entry >= 0) fields.mdFields.setValue(entry, fields.cat().BatchValue, value);
}

}  // namespace quillora
