// The working feedback that commands give: the busy indicator shown while
// they run, one indicator step per processed row, and a sound at the start
// and at the end picked by the clicked button's Tag.
#pragma once

#include "app/BusyIndicator.h"
#include "app/FeedbackSounds.h"

#include <QString>

namespace quillora {

class Feedback {
 public:
  // Sounds are looked up in soundFolder, the executable's folder unless given.
  Feedback(BusyIndicator& indicator, SoundPlayer& player);
  Feedback(BusyIndicator& indicator, SoundPlayer& player, QString soundFolder);

  // Shows the indicator, then plays the start sound. An unplayable sound
  // file throws Error and leaves the indicator shown.
  void StartFeedback(int tag);
  // Hides the indicator, then plays the end sound.
  void EndFeedback(int tag);
  void StepBusyIndicator();
  void PlayFeedbackSound(int tag, SoundKind kind);
  // The two "Set Track" commands: start feedback and nothing else;
  // setTheArtist has no effect.
  void NameToIDTag(int tag, bool setTheArtist);

 private:
  BusyIndicator& indicator_;
  SoundPlayer& player_;
  QString soundFolder_;
};

}  // namespace quillora
