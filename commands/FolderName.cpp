#include "commands/FolderName.h"

#include "tags/IntegerText.h"

namespace quillora {

namespace {

constexpr int kWordTextLimit = 255;
const QChar kDelimiter = QLatin1Char('-');

// The first `limit` characters (code points) of a text, never cutting a
// surrogate pair.
QString leftCodePoints(const QString& text, int limit) {
  int units = 0;
  for (int points = 0; points < limit && units < text.size(); ++points)
    units += (text[units].isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
  return text.left(units);
}

}  // namespace

QString ExtractWord(int n, const QString& text) {
  const QString source = leftCodePoints(text, kWordTextLimit);
  int count = 0;
  int pos = 0;
  while (pos < source.size()) {
    while (pos < source.size() && source[pos] == kDelimiter) ++pos;
    if (pos >= source.size()) break;
    int end = pos;
    while (end < source.size() && source[end] != kDelimiter) ++end;
    if (++count == n) return source.mid(pos, end - pos);
    pos = end;
  }
  return QString();
}

QString LastFolderName(const QString& path) {
  const int last = path.lastIndexOf(QLatin1Char('/'));
  if (last < 0) return QString();
  const int previous = last == 0 ? -1 : path.lastIndexOf(QLatin1Char('/'), last - 1);
  return path.mid(previous + 1, last - previous - 1);
}

QString TitleCase(const QString& text) {
  QString result = text.toLower();
  for (int i = 0; i < result.size(); ++i) {
    if (i == 0 || result[i - 1] == QLatin1Char(' ') || result[i - 1] == QLatin1Char('('))
      result[i] = result[i].toUpper();
  }
  return result;
}

bool IsAllDigits(const QString& text) {
  for (QChar c : text)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  return true;
}

FolderNameParts SplitFolderName(const QString& folderName) {
  const QString name = TitleCase(folderName);
  FolderNameParts parts{TrimBlanks(ExtractWord(1, name)), TrimBlanks(ExtractWord(2, name)),
                        TrimBlanks(ExtractWord(3, name))};
  QString& artist = parts.artist;
  QString& year = parts.year;
  QString& album = parts.album;

  // The album runs to the end of the name, so an album holding " - " keeps
  // its later parts.
  if (!album.isEmpty()) {
    const int at = int(name.lastIndexOf(album));
    album = at < 0 ? name : name.mid(at);
  }
  if (IsAllDigits(artist) && !IsAllDigits(year)) std::swap(artist, year);

  if (year.isEmpty()) {
    year = QStringLiteral("0000");
    return parts;
  }
  if (IsAllDigits(year) && year.size() == 4) return parts;
  if (year.startsWith(QLatin1Char('['))) {
    year = year.mid(1, 4);
    return parts;
  }

  // What stands in the year's place is the start of the album; a year may
  // still end the album ("First Album 2003", "First Album-2003").
  album = album.isEmpty() ? year : year + QStringLiteral(" - ") + album;
  year = QStringLiteral("0000");
  if (album.size() >= 4) {
    album = TrimBlanks(album);
    const QString tail = album.right(4);
    if (tail.size() == 4 && IsAllDigits(tail)) {
      year = tail;
      album = TrimBlanks(album.left(album.size() - 4));
      for (int i = int(album.size()) - 1; i > 0 && album[i] == kDelimiter; --i)
        album[i] = QLatin1Char(' ');
      album = TrimBlanks(album);
    }
  }
  if (year != QStringLiteral("0000")) return parts;

  // A year in front of the artist: "2003 Some Band - First Album".
  const QString head = artist.left(4);
  if (!head.isEmpty() && IsAllDigits(head)) {
    year = head;
    artist = TrimBlanks(artist.mid(head.size()));
  }
  return parts;
}

}  // namespace quillora
