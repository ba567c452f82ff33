// "Suggest From IDTag": the first listed file whose album cell holds text
// gives that album as the batch value of the album field (31) of its media
// type, and gets its year (82) and artist (64, 33) cells from the name of
// its folder. No feedback runs.
#pragma once

namespace quillora {

class Host;
struct Workspace;

// The click handler's work. Rows are looked at in the grid's order; the
// field map is left filtered to the album row of the last media type met.
void btnSetAlbumBatchClick(Workspace& ws, Host& host);

}  // namespace quillora
