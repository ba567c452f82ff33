// Where a field map row's value lives in the track table.
//
// The track table has one column per field identifier, "Field" + id, shared
// by every media type. A field map row takes its value from that column when
// the row is shown in the grid (ColumnIndex set) or checked; a checked row
// whose ColumnIndex is -1 therefore still reads its own field, never another
// column and never nothing.
#pragma once

namespace quillora {

struct Workspace;

// The track table column of a field map row (absolute index); -1 when the
// row is neither shown nor checked, or the track table lacks its column.
int TrackFieldOfMapRow(const Workspace& ws, int mapRow);
// Filters the field map to the rows of (fieldId, mediaType) and gives the
// track table column of the first of them; -1 when there is none. The
// filter stays in force.
int TrackFieldOf(Workspace& ws, int fieldId, int mediaType);

}  // namespace quillora
