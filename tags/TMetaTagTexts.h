// The tag values holder: the value list and the engine object, with reading
// and writing of one file's tags.
#pragma once

#include "tags/SaveResult.h"
#include "tags/TAudioGenie3.h"
#include "tags/ValueList.h"

#include <QString>
#include <QStringList>

namespace quillora {

class FieldModel;

class TMetaTagTexts {
 public:
  // Creates the empty value list, then loads the engine; a failing engine
  // load throws and releases the list again.
  explicit TMetaTagTexts(FieldModel& model,
                         const QString& engineLibrary = QStringLiteral(QUILLORA_ENGINE_LIBRARY));

  QString GetFieldValue(int fieldId) const { return FDummyList.GetFieldValue(fieldId); }
  void SetFieldValue(int fieldId, const QString& value) { FDummyList.SetFieldValue(fieldId, value); }
  const QStringList& Lines() const { return FDummyList.Lines(); }
  void Clear() { FDummyList.Clear(); }

  // Replaces the value list with the file's tag values.
  void LoadFields(const QString& FileName);
  // Writes the value list into the file's tag and saves the file.
  SaveResult SaveFields(const QString& FileName);
  // Removes every tag of the file.
  SaveResult ClearTags(const QString& FileName);

  const TAudioGenie3& engine() const { return ag; }

 private:
  FieldModel& model_;
  ValueList FDummyList;
  TAudioGenie3 ag;
};

}  // namespace quillora
