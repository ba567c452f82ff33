// The feedback sounds: optional WAV files beside the program named
// "BeginProgress" or "EndProgress", optionally followed by the clicked
// button's Tag, then ".wav".
#pragma once

#include <QSoundEffect>
#include <QString>

namespace quillora {

enum class SoundKind { Start = 0, End = 1 };

// What plays a sound; tests put a recorder in its place.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts playing file without waiting; whatever was playing stops.
  virtual void play(const QString& file) = 0;
};

class SoundEffectPlayer : public SoundPlayer {
 public:
  void play(const QString& file) override;

 private:
  QSoundEffect effect_;
};

// The sound for a button: folder/<prefix><tag>.wav, else folder/<prefix>.wav,
// else the empty text (nothing plays).
QString FindFeedbackSound(const QString& folder, SoundKind kind, int tag);

// Throws Error naming the file unless it is a RIFF WAVE file with a sample
// format that can be played (PCM or float samples and a data chunk).
void CheckPlayableWave(const QString& file);

// Looks the sound up, checks it and plays it; a missing sound is silence.
void PlayFeedbackSound(SoundPlayer& player, const QString& folder, SoundKind kind, int tag);

}  // namespace quillora
