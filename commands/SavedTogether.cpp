#include "commands/SavedTogether.h"

namespace quillora {

SavedTogether::SavedTogether(const TAudioGenie3& engine) : engine_(engine) { engine_.beginBatch(); }

SavedTogether::~SavedTogether() {
  if (open_) engine_.endBatch();
}

void SavedTogether::finish(QVector<FileSave>& saves) {
  open_ = false;
  const QHash<QString, QString> failed = engine_.endBatch();
  if (failed.isEmpty()) return;
  for (FileSave& save : saves) {
    const auto reason = failed.constFind(save.fileName);
    if (save.result.written() && reason != failed.constEnd()) save.result = {SaveResult::Status::Failed, *reason};
  }
}

}  // namespace quillora
