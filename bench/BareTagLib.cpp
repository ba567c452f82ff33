#include "bench/BareTagLib.h"

#include "bench/BenchFields.h"

#include <QDir>
#include <QFile>

#include <taglib/fileref.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

namespace quillora::bench {

QStringList FolderFiles(const QString& folder) {
  const QDir dir(folder);
  QStringList files;
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) files << dir.filePath(name);
  return files;
}

int ReadFolderWithTagLib(const QString& folder, qint64& valueBytes) {
  int read = 0;
  for (const QString& file : FolderFiles(folder)) {
    const QByteArray name = QFile::encodeName(file);
    TagLib::FileRef ref(name.constData(), true, TagLib::AudioProperties::Average);
    if (ref.isNull() || !ref.audioProperties()) continue;
    const TagLib::PropertyMap properties = ref.file()->properties();
    for (const BenchField& field : kBenchFields) {
      const auto item = properties.find(field.property);
      if (item != properties.end()) valueBytes += qint64(item->second.toString().to8Bit(true).size());
    }
    ++read;
  }
  return read;
}

int WriteFolderWithTagLib(const QString& folder, const QString& value) {
  const TagLib::String text(value.toUtf8().constData(), TagLib::String::UTF8);
  int saved = 0;
  for (const QString& file : FolderFiles(folder)) {
    const QByteArray name = QFile::encodeName(file);
    TagLib::FileRef ref(name.constData(), false);
    if (ref.isNull()) continue;
    ref.tag()->setAlbum(text);
    bool ok = false;
    if (auto* mp3 = dynamic_cast<TagLib::MPEG::File*>(ref.file())) {
      const bool v3 = mp3->hasID3v2Tag() && mp3->ID3v2Tag()->header()->majorVersion() == 3;
      ok = mp3->save(TagLib::MPEG::File::AllTags, TagLib::File::StripNone,
                     v3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4, TagLib::File::DoNotDuplicate);
    } else {
      ok = ref.save();
    }
    if (ok) ++saved;
  }
  return saved;
}

}  // namespace quillora::bench
