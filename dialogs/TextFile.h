// Whole-file reading and writing of small text files, keeping the encoding
// they were read in (see TextEncoding.h).
#pragma once

#include "dialogs/TextEncoding.h"

#include <QString>

namespace quillora {

enum class TextFileStatus { Read, Missing, Unreadable };

struct TextFileContents {
  TextFileStatus status = TextFileStatus::Missing;
  DecodedText decoded;  // empty UTF-8 text unless status is Read
};

TextFileContents ReadTextFile(const QString& fileName);

// Replaces the file as a whole: the text goes to a temporary file beside it
// that is then renamed over the old one (in place only where the folder does
// not allow that). Returns false when the file could not be written.
bool WriteTextFile(const QString& fileName, const QString& text, TextEncoding encoding);

}  // namespace quillora
