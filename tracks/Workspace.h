// Everything one editing session works on: the field model, the tag object,
// the track list and the re-entrancy flag. The main window owns one; the
// command-line tool owns one too, so both run the same code.
#pragma once

#include "engine/EngineApi.h"
#include "fields/FieldModel.h"
#include "tracks/ActionsDisabled.h"
#include "tracks/TrackList.h"

#include <QString>

#include <memory>

namespace quillora {

class TMetaTag;

struct Workspace {
  // Attaches the field map's ViewCheck handler; the tag object is created
  // separately, so that an engine that fails to load leaves a usable session.
  Workspace();
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  FieldModel fields;
  // Null when the tag engine could not be loaded; commands that need it say so.
  std::unique_ptr<TMetaTag> JvID3v21;
  // Set while the program itself changes the field map or the track table,
  // so the column and focus handlers stay quiet. The window keeps the
  // commands, folder buttons and fields panel disabled while it is set.
  bool DisableActions = false;
  TrackList tracks{fields, DisableActions};

  // Creates the tag object (loading the engine); throws the engine's error.
  void CreateTagObject(const QString& engineLibrary = QStringLiteral(QUILLORA_ENGINE_LIBRARY));
  // The tag object, or the error "The tag engine is not loaded".
  TMetaTag& tagObject();
};

}  // namespace quillora
