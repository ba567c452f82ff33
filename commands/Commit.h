// "Commit Changes": writes every track table row back into its file's tag.
#pragma once

namespace quillora {

class Host;
struct Workspace;

// The click handler's work. Walks the track table in its own order, whatever
// the grid's sorting. For each file it fills the value list from the row,
// through the checked field map rows of the file's media type, and commits
// it; with eraseTagFirst ("Erase Tag Before do commit to tracks") it removes
// the file's tags first. A file that cannot be written does not stop the
// run: one message at the end says how many files were written and lists
// every file that was not, with the reason. Written rows are no longer
// pending. Runs with DisableActions set.
void btnCommitClick(Workspace& ws, Host& host, int senderTag, bool eraseTagFirst);

}  // namespace quillora
