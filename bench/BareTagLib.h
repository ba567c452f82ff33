// The baselines: what TagLib alone does for the same work, file by file,
// with nothing of Quillora in between.
#pragma once

#include <QStringList>

namespace quillora::bench {

// Opens each file of the folder with TagLib (audio properties read, as the
// engine reads them) and reads the ten bench fields. Returns the number of
// files read; `valueBytes` gets the UTF-8 bytes of the values read, so the
// work cannot be left out.
int ReadFolderWithTagLib(const QString& folder, qint64& valueBytes);

// Sets the album of every file of the folder to `value` and saves it
// in place, an MP3 keeping its ID3v2 version. Returns the files saved.
int WriteFolderWithTagLib(const QString& folder, const QString& value);

// The files of a folder made by BenchLibrary, in name order.
QStringList FolderFiles(const QString& folder);

}  // namespace quillora::bench
