#include "dialogs/FavouritesFile.h"

#include "dialogs/TextFile.h"
#include "fields/Error.h"

#include <QCoreApplication>

namespace quillora {
namespace {

QStringList SplitLines(const QString& text) {
  QStringList items;
  QString current;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') {
      current.append(c);
      continue;
    }
    if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    items.append(current);
    current.clear();
  }
  if (!current.isEmpty()) items.append(current);
  return items;
}

QString JoinLines(const QStringList& items) {
  QString text;
  for (const QString& item : items) text += item + QStringLiteral("\r\n");
  return text;
}

}  // namespace

QString FavouritesFileName() {
  return FavouritesFileName(QCoreApplication::applicationDirPath());
}

QString FavouritesFileName(const QString& folder) { return folder + QStringLiteral("/fav.dir"); }

FavouritesList ReadFavouritesFile(const QString& fileName) {
  const TextFileContents contents = ReadTextFile(fileName);
  if (contents.status == TextFileStatus::Unreadable) {
    throw Error(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
  }
  if (contents.status == TextFileStatus::Missing) return {};
  return {SplitLines(contents.decoded.text), contents.decoded.encoding};
}

void WriteFavouritesFile(const QString& fileName, const FavouritesList& list) {
  if (!WriteTextFile(fileName, JoinLines(list.items), list.encoding)) {
    throw Error(QStringLiteral("Cannot create file \"%1\"").arg(fileName));
  }
}

}  // namespace quillora
