#include "tracks/FocusedTrack.h"

#include "tracks/Workspace.h"

namespace quillora {

void cxGridMP3FocusedRecordChanged(Workspace& workspace, const QString& focusedFileName) {
  if (workspace.DisableActions) return;
  ActionsDisabled disabled(workspace.DisableActions);
  FieldModel& fields = workspace.fields;
  fields.FilterFieldMap(-1, fields.MediaTypeOfFile(focusedFileName), -1);
}

}  // namespace quillora
