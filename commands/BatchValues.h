// Offering a batch value for a field map row, as the suggestion commands do.
#pragma once

#include <QString>

namespace quillora {

class FieldModel;

// Stores the value in the row's InternalBatchValue, which Batch Update
// applies, and in the catalogue's BatchValue of the row's field, which the
// fields panel shows through the row's BatchValue lookup.
void OfferBatchValue(FieldModel& fields, int mapRow, const QString& value);

}  // namespace quillora
