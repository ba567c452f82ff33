#include "commands/SavedTogether.h"

#include "commands/TrackFiles.h"
#include "tags/TAudioGenie3.h"
#include "tracks/Host.h"

namespace quillora {

namespace {

// The engine batch, ended on every exit.
class Batch {
 public:
  explicit Batch(const TAudioGenie3& engine) : engine_(engine) { engine_.beginBatch(); }
  ~Batch() {
    if (open_) engine_.endBatch();
  }
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

  // Ends the batch; a written save whose copy could not replace its file
  // becomes a failure with the reason.
  void finish(QVector<FileSave>& saves) {
    open_ = false;
    const QHash<QString, QString> failed = engine_.endBatch();
    if (failed.isEmpty()) return;
    for (FileSave& save : saves) {
      const auto reason = failed.constFind(save.fileName);
      if (save.result.written() && reason != failed.constEnd())
        save.result = {SaveResult::Status::Failed, *reason};
    }
  }

 private:
  const TAudioGenie3& engine_;
  bool open_ = true;
};

}  // namespace

QVector<FileSave> SaveRowsTogether(const TAudioGenie3& engine, Host& host, const MemTable& tracks,
                                   const std::vector<int>& rows,
                                   const std::function<SaveResult(int row, const QString& fileName)>& save) {
  const QString folder = host.folder();
  const int count = int(rows.size());
  QVector<FileSave> saves;
  saves.reserve(count);
  Batch batch(engine);
  for (int position = 0; position < count; ++position) {
    const int row = rows[size_t(position)];
    host.StepBusyIndicator();
    host.setStatusText(QStringLiteral("%1 of %2").arg(position + 1).arg(count));
    const QString fileName = TrackFileName(folder, tracks, row);
    saves.append({row, fileName, save(row, fileName)});
    host.processEvents();
  }
  batch.finish(saves);
  host.setStatusText(QString());
  return saves;
}

}  // namespace quillora
