#include "AudioFolder.h"

#include <QDir>
#include <QFile>

#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <gtest/gtest.h>

namespace quillora {

namespace {

TagLib::PropertyMap propertiesOf(const QString& path) {
  TagLib::FileRef file(QFile::encodeName(path).constData());
  if (file.isNull()) {
    ADD_FAILURE() << "TagLib cannot open " << path.toStdString();
    return {};
  }
  return file.file()->properties();
}

}  // namespace

AudioFolder::AudioFolder() : path_(root_.path() + QStringLiteral("/Some Band - 1999 - First Album")) {
  if (!QDir().mkpath(path_)) ADD_FAILURE() << "cannot make " << path_.toStdString();
}

void AudioFolder::add(const QString& fixture, const QString& name) {
  const QString target = file(name);
  if (!QFile::copy(QStringLiteral(QUILLORA_TEST_DATA "/") + fixture, target))
    ADD_FAILURE() << "cannot copy " << fixture.toStdString();
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
}

QByteArray AudioFolder::bytes(const QString& name) const {
  QFile f(file(name));
  if (!f.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << name.toStdString();
  return f.readAll();
}

QString AudioFolder::property(const QString& name, const std::string& key) const {
  const TagLib::PropertyMap properties = propertiesOf(file(name));
  const auto found = properties.find(TagLib::String(key, TagLib::String::UTF8));
  if (found == properties.end()) return QString();
  return QString::fromStdString(found->second.toString(" / ").to8Bit(true));
}

bool AudioFolder::hasNoTags(const QString& name) const {
  return propertiesOf(file(name)).isEmpty();
}

}  // namespace quillora

namespace quillora {

QStringList AudioFolder::paths() const {
  QStringList all{root_.path(), path_};
  for (const QString& name : QDir(path_).entryList(QDir::Files)) all << file(name);
  return all;
}

}  // namespace quillora
