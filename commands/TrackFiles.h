// A track table row's file: its relative name and its full name.
#pragma once

#include <QString>

namespace quillora {

class MemTable;

// The row's "FileName": the file's path below the folder box's folder.
QString RelativeName(const MemTable& tracks, int row);
// The full name of the row's file in the folder.
QString TrackFileName(const QString& folder, const MemTable& tracks, int row);

}  // namespace quillora
