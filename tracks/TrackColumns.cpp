#include "tracks/TrackColumns.h"

namespace quillora {

int TrackColumns::append(const TrackColumn& column) {
  columns_.push_back(column);
  const int position = count() - 1;
  emit columnInserted(position);
  return position;
}

void TrackColumns::removeAt(int position) {
  columns_.erase(columns_.begin() + position);
  emit columnRemoved(position);
}

void TrackColumns::setVisible(int position, bool visible) {
  TrackColumn& column = columns_[size_t(position)];
  if (column.visible == visible) return;
  column.visible = visible;
  emit columnChanged(position);
}

void TrackColumns::setWidth(int position, int width) {
  TrackColumn& column = columns_[size_t(position)];
  if (column.width == width) return;
  column.width = width;
  emit columnChanged(position);
}

int TrackColumns::FindTrackColumn(const QString& fieldName) const {
  for (int position = 0; position < count(); ++position)
    if (columns_[size_t(position)].fieldName == fieldName) return position;
  return -1;
}

}  // namespace quillora
