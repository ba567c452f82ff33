// The track grid's focused-row handler: the fields panel follows the media
// type of the focused file. Quiet while DisableActions is set, as during a
// scan; the window does not call it when the grid loses its focused row.
#pragma once

#include <QString>

namespace quillora {

struct Workspace;

// Given the newly focused row's file name column as text.
void cxGridMP3FocusedRecordChanged(Workspace& workspace, const QString& focusedFileName);

}  // namespace quillora
