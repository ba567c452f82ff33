// The tag object: one per main window, pointed at one file after another.
// Activation reads the file's tags into the holder's value list; Commit
// writes the list back.
#pragma once

#include "tags/TMetaTagTexts.h"

#include <QString>

namespace quillora {

class TMetaTag {
 public:
  explicit TMetaTag(FieldModel& model,
                    const QString& engineLibrary = QStringLiteral(QUILLORA_ENGINE_LIBRARY));

  const QString& FileNAme() const { return FFileName; }
  void setFileNAme(const QString& fileName) { FFileName = fileName; }

  bool Active() const { return FActive; }
  // True reads the current file's tags, after checking that its extension is
  // a whole entry of some media format's list ("Unsupported kind" if not);
  // false only stores the flag.
  void setActive(bool active);

  TMetaTagTexts& Texts() { return FTexts; }
  const TMetaTagTexts& Texts() const { return FTexts; }

  // Writes the value list into the current file.
  SaveResult Commit() { return FTexts.SaveFields(FFileName); }
  // Removes every tag of the current file.
  SaveResult ClearTags() { return FTexts.ClearTags(FFileName); }

  // Kept for the commit command, which brackets each file with them; they
  // have no effect.
  void BeginUpdate() {}
  void EndUpdate() {}

 private:
  FieldModel& model_;
  bool FActive = false;
  QString FFileName;
  TMetaTagTexts FTexts;
};

}  // namespace quillora
