// A small INI file layer that behaves as the Windows profile functions do:
// section and key names are matched without regard to case, values are read
// trimmed (and without one pair of enclosing quotes), and writing a key
// updates its line in place, adds it to the end of its section, or adds the
// section at the end of the file. Everything else in the file (unknown keys
// and sections, comments, order, line ends, the encoding) is kept.
//
// The file is loaded once and saved once, so reading or writing many keys
// costs one pass over the disk.
#pragma once

#include "dialogs/TextEncoding.h"

#include <QString>

#include <optional>
#include <vector>

namespace quillora {

class IniDocument {
 public:
  // Loads fileName. A missing file loads as an empty document (written as
  // UTF-8 with CR LF line ends); returns false, leaving the document empty,
  // when the file exists but cannot be read.
  bool load(const QString& fileName);

  // Replaces the file; throws Error("Unable to write to <file>") on failure.
  void save(const QString& fileName) const;

  // The value of the first key of that name in the first section of that
  // name, or nothing when the section or the key is missing.
  std::optional<QString> value(const QString& section, const QString& key) const;
  QString readString(const QString& section, const QString& key, const QString& defaultValue) const;

  // Line breaks in value are written as spaces, so a value stays one line.
  void writeString(const QString& section, const QString& key, const QString& value);

  // The document as text, without the byte-order mark.
  QString text() const;

 private:
  struct Line {
    QString content;
    QString ending;  // "\r\n", "\n", "\r" or empty for a last line without one
  };

  std::optional<size_t> findSection(const QString& section) const;
  size_t sectionEnd(size_t header) const;
  std::optional<size_t> findKey(size_t header, const QString& key) const;
  void insertLine(size_t position, const QString& content);

  std::vector<Line> lines_;
  TextEncoding encoding_ = TextEncoding::Utf8;
  QString newline_ = QStringLiteral("\r\n");
};

}  // namespace quillora
