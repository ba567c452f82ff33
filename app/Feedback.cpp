#include "app/Feedback.h"

#include <QCoreApplication>

#include <utility>

namespace quillora {

Feedback::Feedback(BusyIndicator& indicator, SoundPlayer& player)
    : Feedback(indicator, player, QCoreApplication::applicationDirPath()) {}

Feedback::Feedback(BusyIndicator& indicator, SoundPlayer& player, QString soundFolder)
    : indicator_(indicator), player_(player), soundFolder_(std::move(soundFolder)) {}

void Feedback::StartFeedback(int tag) {
  indicator_.show();
  PlayFeedbackSound(tag, SoundKind::Start);
}

void Feedback::EndFeedback(int tag) {
  indicator_.hide();
  PlayFeedbackSound(tag, SoundKind::End);
}

void Feedback::StepBusyIndicator() { indicator_.step(); }

void Feedback::PlayFeedbackSound(int tag, SoundKind kind) {
  quillora::PlayFeedbackSound(player_, soundFolder_, kind, tag);
}

void Feedback::NameToIDTag(int tag, bool /*setTheArtist*/) { StartFeedback(tag); }

}  // namespace quillora
