#include "bench/BenchLibrary.h"

#include "bench/BenchFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <taglib/fileref.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

#include <filesystem>
#include <stdexcept>

namespace quillora::bench {

namespace {

struct Kind {
  const char* name;     // base file name without extension
  const char* suffix;   // extension
  int id3v2Version;     // 0 for a file without ID3v2
  const char* fixture;  // small fixture in tests/data
  QStringList codec;    // ffmpeg output options for a large file
};

const std::vector<Kind>& kinds() {
  static const std::vector<Kind> all{
      {"v23", "mp3", 3, "v23.mp3", {"-c:a", "libmp3lame", "-b:a", "320k", "-id3v2_version", "0"}},
      {"v24", "mp3", 4, "v24.mp3", {"-c:a", "libmp3lame", "-b:a", "320k", "-id3v2_version", "0"}},
      {"flac", "flac", 0, "tagged.flac", {"-c:a", "flac"}},
      {"m4a", "m4a", 0, "tagged.m4a", {"-c:a", "aac", "-b:a", "256k"}},
  };
  return all;
}

[[noreturn]] void fail(const QString& what) { throw std::runtime_error(what.toStdString()); }

// Copies a file; QFile::copy would flush every copy to disk, which a
// throwaway library does not need.
void copyFile(const QString& from, const QString& to) {
  std::error_code error;
  if (!std::filesystem::copy_file(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error))
    fail(QStringLiteral("cannot copy %1 to %2").arg(from, to));
}

// Encodes `seconds` of stereo noise into `out`; returns its size.
qint64 encodeNoise(const QString& out, const QStringList& codec, double seconds) {
  QStringList args{"-y", "-v", "error", "-f", "lavfi", "-i", "anoisesrc=r=44100:a=0.2:c=pink",
                   "-ac", "2", "-t", QString::number(seconds, 'f', 2), "-map_metadata", "-1"};
  args << codec << out;
  QProcess ffmpeg;
  ffmpeg.setProcessChannelMode(QProcess::ForwardedChannels);
  ffmpeg.start(QStringLiteral("ffmpeg"), args);
  if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
    fail(QStringLiteral("ffmpeg could not make %1").arg(out));
  return QFileInfo(out).size();
}

}  // namespace

void SetBenchFields(const QString& file, int id3v2Version) {
  const QByteArray name = QFile::encodeName(file);
  TagLib::PropertyMap wanted;
  for (const BenchField& field : kBenchFields)
    wanted.replace(field.property, TagLib::StringList(TagLib::String(field.value, TagLib::String::UTF8)));
  bool saved = false;
  if (id3v2Version != 0) {
    TagLib::MPEG::File mp3(name.constData(), false);
    TagLib::PropertyMap properties = mp3.properties();
    for (const auto& [key, values] : wanted) properties.replace(key, values);
    mp3.setProperties(properties);
    saved = mp3.isValid() &&
            mp3.save(TagLib::MPEG::File::AllTags, TagLib::File::StripNone,
                     id3v2Version == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4, TagLib::File::DoNotDuplicate);
  } else {
    TagLib::FileRef ref(name.constData(), false);
    if (!ref.isNull()) {
      TagLib::PropertyMap properties = ref.file()->properties();
      for (const auto& [key, values] : wanted) properties.replace(key, values);
      ref.file()->setProperties(properties);
      saved = ref.save();
    }
  }
  if (!saved) fail(QStringLiteral("TagLib could not tag %1").arg(file));
}

QStringList BenchLibrary::makeSmallBases(const QString& fixtures) const {
  const QString folder = root_ + "/bases-small";
  QDir().mkpath(folder);
  QStringList bases;
  for (const Kind& kind : kinds()) {
    const QString base = QStringLiteral("%1/%2.%3").arg(folder, kind.name, kind.suffix);
    copyFile(fixtures + '/' + kind.fixture, base);
    QFile(base).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    SetBenchFields(base, kind.id3v2Version);
    bases << base;
  }
  return bases;
}

QStringList BenchLibrary::makeLargeBases(qint64 bytes) const {
  const QString folder = root_ + "/bases-large";
  QDir().mkpath(folder);
  QStringList bases;
  for (const Kind& kind : kinds()) {
    const QString base = QStringLiteral("%1/%2.%3").arg(folder, kind.name, kind.suffix);
    // A short sample gives the codec's bytes per second on this noise.
    const double sample = 5.0;
    const qint64 sampleBytes = encodeNoise(base, kind.codec, sample);
    encodeNoise(base, kind.codec, sample * double(bytes) / double(std::max<qint64>(sampleBytes, 1)));
    SetBenchFields(base, kind.id3v2Version);
    bases << base;
  }
  return bases;
}

QString BenchLibrary::makeFolder(const QString& name, const QStringList& bases, int count) const {
  const QString folder = root_ + '/' + name;
  QDir().mkpath(folder);
  for (int i = 0; i < count; ++i) {
    const QFileInfo base(bases[i % bases.size()]);
    const QString copy = QStringLiteral("%1/%2 %3.%4")
                             .arg(folder)
                             .arg(i + 1, 5, 10, QLatin1Char('0'))
                             .arg(base.completeBaseName(), base.suffix());
    copyFile(base.filePath(), copy);
  }
  return folder;
}

QString BenchLibrary::copyFolder(const QString& folder, const QString& name) const {
  const QString target = root_ + '/' + name;
  QDir().mkpath(target);
  const QDir source(folder);
  for (const QString& entry : source.entryList(QDir::Files))
    copyFile(source.filePath(entry), target + '/' + entry);
  return target;
}

}  // namespace quillora::bench
