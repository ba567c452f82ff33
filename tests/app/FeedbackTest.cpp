#include "app/Feedback.h"
#include "fields/Error.h"
#include "tests/dialogs/TestFiles.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace quillora {
namespace {

using testing::WriteBytes;

class RecordingPlayer : public SoundPlayer {
 public:
  void play(const QString& file) override { played.append(file); }
  QStringList played;
};

QByteArray Le16(quint16 v) {
  QByteArray b(2, '\0');
  qToLittleEndian(v, b.data());
  return b;
}
QByteArray Le32(quint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian(v, b.data());
  return b;
}

QByteArray Silence(int bytes) { return QByteArray(bytes, '\0'); }

QByteArray Chunk(const QByteArray& id, const QByteArray& body) {
  return id + Le32(body.size()) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray Fmt(quint16 format, quint16 bits) {
  return Chunk("fmt ", Le16(format) + Le16(1) + Le32(8000) + Le32(8000 * bits / 8) +
                           Le16(bits / 8) + Le16(bits));
}

QByteArray Riff(const QByteArray& chunks) { return "RIFF" + Le32(4 + chunks.size()) + "WAVE" + chunks; }

// A short silent mono PCM sound.
QByteArray SilentWave() { return Riff(Fmt(1, 16) + Chunk("data", Silence(16))); }

class FeedbackTest : public ::testing::Test {
 protected:
  QString sound(const QString& name) const { return dir_.filePath(name); }
  void addSound(const QString& name, const QByteArray& bytes = SilentWave()) {
    WriteBytes(sound(name), bytes);
  }

  QTemporaryDir dir_;
  BusyIndicator indicator_;
  RecordingPlayer player_;
  Feedback feedback_{indicator_, player_, dir_.path()};
};

struct LookupCase {
  const char* name;
  QStringList present;
  SoundKind kind;
  int tag;
  QString expected;  // empty: nothing plays
};

TEST(FeedbackSoundLookupTest, TaggedSoundFirstThenThePlainOne) {
  const LookupCase cases[] = {
      {"tagged wins", {"BeginProgress12.wav", "BeginProgress.wav"}, SoundKind::Start, 12,
       "BeginProgress12.wav"},
      {"plain for every tag", {"BeginProgress.wav"}, SoundKind::Start, 16, "BeginProgress.wav"},
      {"other tag's sound not used", {"BeginProgress12.wav"}, SoundKind::Start, 10, ""},
      {"end sound not used at start", {"EndProgress12.wav", "EndProgress.wav"}, SoundKind::Start, 12, ""},
      {"end sound", {"EndProgress16.wav", "BeginProgress16.wav"}, SoundKind::End, 16,
       "EndProgress16.wav"},
      {"none", {}, SoundKind::End, 16, ""},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    for (const QString& name : c.present) WriteBytes(dir.filePath(name), SilentWave());
    RecordingPlayer player;
    PlayFeedbackSound(player, dir.path(), c.kind, c.tag);
    EXPECT_EQ(player.played, c.expected.isEmpty() ? QStringList() : QStringList{dir.filePath(c.expected)});
  }
}

TEST_F(FeedbackTest, StartShowsTheIndicatorAndPlaysTheStartSound) {
  addSound("BeginProgress12.wav");
  addSound("EndProgress.wav");
  feedback_.StartFeedback(12);
  EXPECT_TRUE(indicator_.isVisible());
  feedback_.StepBusyIndicator();
  EXPECT_EQ(indicator_.state().Piece, 1);
  feedback_.EndFeedback(12);
  EXPECT_FALSE(indicator_.isVisible());
  EXPECT_EQ(player_.played, (QStringList{sound("BeginProgress12.wav"), sound("EndProgress.wav")}));
}

TEST_F(FeedbackTest, SetTrackRunsStartFeedbackOnlyEachTime) {
  addSound("BeginProgress.wav");
  feedback_.NameToIDTag(14, true);
  feedback_.NameToIDTag(14, false);
  EXPECT_TRUE(indicator_.isVisible());
  EXPECT_EQ(player_.played, (QStringList{sound("BeginProgress.wav"), sound("BeginProgress.wav")}));
}

TEST_F(FeedbackTest, MissingSoundsAreSilence) {
  feedback_.StartFeedback(12);
  feedback_.EndFeedback(12);
  EXPECT_TRUE(player_.played.isEmpty());
}

TEST_F(FeedbackTest, UnplayableSoundStopsTheCommandAndNamesTheFile) {
  addSound("BeginProgress12.wav", "this is not a sound");
  try {
    feedback_.StartFeedback(12);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_TRUE(error.message().contains(sound("BeginProgress12.wav"))) << error.what();
  }
  EXPECT_TRUE(indicator_.isVisible());
  EXPECT_TRUE(player_.played.isEmpty());
}

struct WaveCase {
  const char* name;
  QByteArray bytes;
  bool playable;
};

TEST(WaveCheckTest, OnlyRiffWaveWithPlayableSamples) {
  const WaveCase cases[] = {
      {"PCM 16 bit", SilentWave(), true},
      {"PCM 8 bit", Riff(Fmt(1, 8) + Chunk("data", QByteArray(3, '\x80'))), true},
      {"float", Riff(Fmt(3, 32) + Chunk("data", Silence(8))), true},
      {"odd-sized chunk before fmt", Riff(Chunk("LIST", "abc") + Fmt(1, 16) + Chunk("data", Silence(2))), true},
      {"MP3 inside WAV", Riff(Fmt(0x55, 16) + Chunk("data", Silence(2))), false},
      {"12 bit", Riff(Fmt(1, 12) + Chunk("data", Silence(2))), false},
      {"no fmt chunk", Riff(Chunk("data", Silence(2))), false},
      {"data before fmt", Riff(Chunk("data", Silence(2)) + Fmt(1, 16)), false},
      {"no data chunk", Riff(Fmt(1, 16)), false},
      {"not WAVE", "RIFF" + Le32(4) + "AVI ", false},
      {"truncated header", "RIFF", false},
      {"empty", "", false},
  };
  QTemporaryDir dir;
  const QString file = dir.filePath("sound.wav");
  for (const WaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(file, c.bytes);
    if (c.playable) {
      EXPECT_NO_THROW(CheckPlayableWave(file));
    } else {
      EXPECT_THROW(CheckPlayableWave(file), Error);
    }
  }
}

}  // namespace
}  // namespace quillora
