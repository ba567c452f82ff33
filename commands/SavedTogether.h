// The saves of one command as one engine batch: each file's copy is written
// and checked as the command reaches it, and the copies replace their files
// together, so the disk is waited for once per batch rather than per file.
// A file counts as written only once its copy has replaced it.
#pragma once

#include "tags/SaveResult.h"

#include <QString>
#include <QVector>

#include <functional>
#include <vector>

namespace quillora {

class Host;
class MemTable;
class TAudioGenie3;

// One file the command saved, and what became of it.
struct FileSave {
  int row = -1;
  QString fileName;
  SaveResult result;
};

// Saves the files of the track table rows, in the order given, as one batch:
// for each row it steps the busy indicator, shows "n of count" as the status
// text, calls save with the row and its file's full name, and lets the window
// handle its events. A save whose copy could not replace its file becomes a
// failure with the reason. The status text is emptied at the end. A batch
// left open by an error still replaces the files it checked.
QVector<FileSave> SaveRowsTogether(const TAudioGenie3& engine, Host& host, const MemTable& tracks,
                                   const std::vector<int>& rows,
                                   const std::function<SaveResult(int row, const QString& fileName)>& save);

}  // namespace quillora
