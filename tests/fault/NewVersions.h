// What a complete, undisturbed `quillora-cli set` makes of each audio
// fixture, computed once on copies: the tests then require every file to be
// byte for byte its fixture or this new version, wholly one or the other.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>

namespace quillora {

// The fixtures the tests fill folders with, one per format family and both
// ID3v2 versions.
const QList<const char*>& MixedFixtures();

// Field assignments whose values are long enough that every file's tag
// grows well past its padding, so every save moves the audio.
QList<QByteArray> GrowingAssignments();

class NewVersions {
 public:
  // Runs the tool once, with the assignments, on a folder of one copy of each
  // fixture.
  explicit NewVersions(const QList<QByteArray>& assignments);
  QByteArray of(const char* fixture) const { return versions_.value(QByteArray(fixture)); }

 private:
  QMap<QByteArray, QByteArray> versions_;
};

// A digest of the file's audio alone, found without our engine: the
// compressed packets as ffmpeg's demuxer hands them out, or, for the
// Monkey's Audio fixture that ffmpeg cannot open, every byte before the
// APEv2 tag.
QByteArray AudioDigest(const QByteArray& path);

}  // namespace quillora
