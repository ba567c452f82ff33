// Everything one editing session works on: the field model, the tag object,
// the track list and the re-entrancy flag. The main window owns one; the
// command-line tool owns one too, so both run the same code.
#pragma once

#include "fields/FieldModel.h"
#include "tracks/TrackList.h"

#include <memory>

namespace quillora {

class TMetaTag;

struct Workspace {
  Workspace();
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  FieldModel fields;
  // Null when the tag engine could not be loaded; commands that need it say so.
  std::unique_ptr<TMetaTag> JvID3v21;
  // Set while the program itself changes the field map or the track table,
  // so the column and focus handlers stay quiet.
  bool DisableActions = false;
  TrackList tracks{fields, DisableActions};

  // Creates the tag object (loading the engine); throws the engine's error.
  void CreateTagObject();
  // The tag object, or an error saying the engine is not loaded.
  TMetaTag& tagObject();
};

// Sets DisableActions for a scope and restores what it found, on every exit.
class ActionsDisabled {
 public:
  explicit ActionsDisabled(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~ActionsDisabled() { flag_ = saved_; }
  ActionsDisabled(const ActionsDisabled&) = delete;
  ActionsDisabled& operator=(const ActionsDisabled&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace quillora
