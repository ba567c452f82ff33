#include "app/FeedbackSounds.h"

#include "fields/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QtEndian>

#include <algorithm>

namespace quillora {
namespace {

QString Prefix(SoundKind kind) {
  return kind == SoundKind::Start ? QStringLiteral("BeginProgress") : QStringLiteral("EndProgress");
}

bool IsFile(const QString& name) { return QFileInfo(name).isFile(); }

quint16 U16(const QByteArray& bytes, int at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 U32(const QByteArray& bytes, int at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool PlayableFormat(const QByteArray& fmt) {
  if (fmt.size() < 16) return false;
  const quint16 format = U16(fmt, 0);
  const quint16 channels = U16(fmt, 2);
  const quint32 sampleRate = U32(fmt, 4);
  const quint16 bits = U16(fmt, 14);
  const bool knownFormat = format == 1 || format == 3 || format == 0xFFFE;
  const bool knownBits = bits == 8 || bits == 16 || bits == 24 || bits == 32;
  return knownFormat && knownBits && channels > 0 && sampleRate > 0;
}

// Walks the chunks after the RIFF header: a playable "fmt " chunk must come
// before the "data" chunk.
bool IsPlayableWave(QFile& file) {
  const QByteArray header = file.read(12);
  if (header.size() != 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE") return false;
  bool formatSeen = false;
  while (true) {
    const QByteArray chunk = file.read(8);
    if (chunk.size() != 8) return false;
    const QByteArray id = chunk.left(4);
    const quint32 size = U32(chunk, 4);
    const qint64 body = file.pos();
    if (id == "data") return formatSeen;
    if (id == "fmt ") {
      if (!PlayableFormat(file.read(std::min<quint32>(size, 40)))) return false;
      formatSeen = true;
    }
    if (!file.seek(body + size + (size & 1))) return false;
  }
}

}  // namespace

void SoundEffectPlayer::play(const QString& file) {
  effect_.stop();
  effect_.setSource(QUrl::fromLocalFile(file));
  effect_.play();
}

QString FindFeedbackSound(const QString& folder, SoundKind kind, int tag) {
  const QString base = folder + u'/' + Prefix(kind);
  if (const QString tagged = base + QString::number(tag) + QStringLiteral(".wav"); IsFile(tagged)) {
    return tagged;
  }
  if (const QString plain = base + QStringLiteral(".wav"); IsFile(plain)) return plain;
  return {};
}

void CheckPlayableWave(const QString& file) {
  QFile wave(file);
  if (!wave.open(QIODevice::ReadOnly) || !IsPlayableWave(wave)) {
    throw Error(QStringLiteral("The sound file \"%1\" is not a playable WAV file").arg(file));
  }
}

void PlayFeedbackSound(SoundPlayer& player, const QString& folder, SoundKind kind, int tag) {
  const QString sound = FindFeedbackSound(folder, kind, tag);
  if (sound.isEmpty()) return;
  CheckPlayableWave(sound);
  player.play(sound);
}

}  // namespace quillora
