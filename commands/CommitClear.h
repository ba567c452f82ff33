// "Commit Clear id3 tag": removes every tag of every file the grid lists,
// then loads the folder again.
#pragma once

namespace quillora {

class Host;
struct Workspace;

// The click handler's work. Asks first, naming the number of files; a "no"
// changes nothing. Visits the rows as the grid displays them, goes on past a
// file that cannot be cleared and lists such files in one message after the
// folder has been loaded again. Runs with DisableActions set.
void btnCommitClearClick(Workspace& ws, Host& host, int senderTag);

}  // namespace quillora
