// Reading artist, year and album out of a folder name such as
// "Some Band - 1999 - First Album", and the text helpers that go with it.
#pragma once

#include <QString>

namespace quillora {

struct FolderNameParts {
  QString artist;
  QString year;  // four characters, "0000" when the name holds no year
  QString album;
};

// Word N (from 1) of the first 255 characters of a text, words being separated
// by runs of "-"; empty when there is no such word.
QString ExtractWord(int n, const QString& text);
// The name of the last folder of a path: the text between its last and its
// second-to-last "/". For a file path that is the folder holding the file.
QString LastFolderName(const QString& path);
// Lower-cases every letter, then upper-cases the first letter and every
// letter that follows a space or "(".
QString TitleCase(const QString& text);
// True when every character is one of 0 to 9; the empty text counts.
bool IsAllDigits(const QString& text);
FolderNameParts SplitFolderName(const QString& folderName);

}  // namespace quillora
