// "Batch Update": writes the batch value of every field ticked to show and
// to batch into that field of every listed file of a media type that maps
// the field. Only the track table changes; a commit writes the files.
#pragma once

namespace quillora {

class Host;
struct Workspace;

// The click handler's work; senderTag is the clicked button's Tag. A value
// that does not convert to its column's type ends the run with the
// conversion's message; rows already updated keep their new values.
void btnBatchClick(Workspace& ws, Host& host, int senderTag);

}  // namespace quillora
