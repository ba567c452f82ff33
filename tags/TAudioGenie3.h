// The engine object: loads the tag engine library at creation, resolves every
// export of the engine's interface at once and offers them as typed calls
// that take and give QString.
#pragma once

#include "engine/EngineApi.h"

#include <QHash>
#include <QString>

#include <cstdint>

namespace quillora {

// One typed function pointer per engine export, named after the export.
struct EngineExports {
#define QUILLORA_EXPORT_POINTER(kind, name) qe::kind* name = nullptr;
  QUILLORA_ENGINE_EXPORTS(QUILLORA_EXPORT_POINTER)
#undef QUILLORA_EXPORT_POINTER
};

// Pointers to the export table's members, by signature: the item tables name
// the export a row reaches through these.
using TextGetter = qe::TextGet* EngineExports::*;
using TextSetter = qe::TextSet* EngineExports::*;
using FrameGetter = qe::FrameGet* EngineExports::*;
using FrameSetter = qe::FrameSet* EngineExports::*;
using KeyGetter = qe::KeyGet* EngineExports::*;
using KeySetter = qe::KeySet* EngineExports::*;
using IntGetter = qe::IntGet* EngineExports::*;
using RatioGetter = qe::FloatGet* EngineExports::*;
using SaveExport = qe::Save* EngineExports::*;

class TAudioGenie3 {
 public:
  // Loads the library: a bare name is looked up through the run path and then
  // in the program's folder; a name with a "/" is loaded from there only.
  // Throws quillora::Error when the library or one of its exports is missing.
  explicit TAudioGenie3(const QString& library = QStringLiteral(QUILLORA_ENGINE_LIBRARY));
  ~TAudioGenie3();
  TAudioGenie3(const TAudioGenie3&) = delete;
  TAudioGenie3& operator=(const TAudioGenie3&) = delete;

  const EngineExports& exports() const { return exports_; }

  // Makes the file the engine's current file; returns the engine's result.
  int32_t analyzeFile(const QString& fileName) const;
  // The reason the last failed save gave.
  QString lastError() const;

  QString get(TextGetter getter) const;
  QString get(FrameGetter getter, int32_t frameId) const;
  QString get(KeyGetter getter, const QString& key) const;
  int32_t get(IntGetter getter) const;
  float get(RatioGetter getter) const;
  void set(TextSetter setter, const QString& text) const;
  void set(FrameSetter setter, int32_t frameId, const QString& text) const;
  void set(KeySetter setter, const QString& key, const QString& text) const;
  // True when the engine reports success (-1).
  bool save(SaveExport saver) const;
  // From here on a successful save is written and checked beside its file,
  // and replaces the file by endBatch() at the latest.
  void beginBatch() const;
  // Replaces the files of the batch; returns the reasons of those that could
  // not be replaced, by the file name each was saved under.
  QHash<QString, QString> endBatch() const;

 private:
  // Copies a text the engine returned and hands it back to the engine.
  QString take(char16_t* text) const;

  void* FAudioGenie3DLLHandle = nullptr;
  EngineExports exports_;
};

}  // namespace quillora
