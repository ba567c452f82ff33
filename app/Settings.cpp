#include "app/Settings.h"

#include "app/IniFile.h"
#include "fields/Error.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <optional>

namespace quillora {
namespace {

const QString kDefaults = QStringLiteral("DEFAULTS");
const QString kConfig = QStringLiteral("CONFIG");
const QString kChecked = QStringLiteral("CHECKED");
const QString kWidths = QStringLiteral("WIDTHS");

const QString kTracksPath = QStringLiteral("TRACKSPATH");
const QString kGenreTypes = QStringLiteral("GENRETYPES");
const QString kExceptions = QStringLiteral("EXCEPTIONS");
const QString kDatabase = QStringLiteral("DATABASE");
const QString kPictures = QStringLiteral("PICTURES");
const QString kPicturesFlag = QStringLiteral("PICTURESFLAG");
const QString kFileName = QStringLiteral("FILENAME");

// The last two are "various artists" in Hebrew, in two spellings.
const QString kDefaultExceptions = QStringLiteral(
    "Various,Various Artist,Various Artists,"
    "\u05D0\u05DE\u05E0\u05D9\u05DD \u05E9\u05D5\u05E0\u05D9\u05DD,"
    "\u05D0\u05D5\u05DE\u05E0\u05D9\u05DD \u05E9\u05D5\u05E0\u05D9\u05DD");
const QString kDefaultGenreTypes = QStringLiteral("Classic Pop");

// A text value is read up to this many characters.
constexpr qsizetype kMaxTextLength = 2047;

QString ReadText(const IniDocument& ini, const QString& section, const QString& key,
                 const QString& defaultValue) {
  return ini.readString(section, key, defaultValue).left(kMaxTextLength);
}

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  const char16_t lower = u | 0x20;
  const int value = (u >= u'0' && u <= u'9')           ? u - u'0'
                    : (lower >= u'a' && lower <= u'f') ? lower - u'a' + 10
                                                       : base;
  return value < base ? value : -1;
}

// Decimal, or hexadecimal after "0x", with an optional sign; nothing when the
// text is no 32-bit integer. Hexadecimal covers the full 32 bits, so 0xFFFFFFFF
// is -1.
std::optional<int> ParseInteger(QStringView text) {
  const bool negative = text.startsWith(u'-');
  if (negative || text.startsWith(u'+')) text = text.sliced(1);
  const bool hex = text.startsWith(u"0x", Qt::CaseInsensitive);
  if (hex) text = text.sliced(2);
  const int base = hex ? 16 : 10;
  if (text.isEmpty()) return std::nullopt;
  qint64 magnitude = 0;
  for (QChar c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > std::numeric_limits<quint32>::max()) return std::nullopt;
  }
  if (hex) {
    magnitude = static_cast<qint32>(static_cast<quint32>(magnitude));
  }
  const qint64 result = negative ? -magnitude : magnitude;
  if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(result);
}

int ReadInteger(const IniDocument& ini, const QString& section, const QString& key,
                int defaultValue) {
  const auto text = ini.value(section, key);
  if (!text) return defaultValue;
  return ParseInteger(text->left(kMaxTextLength)).value_or(defaultValue);
}

// A check box is set when the lowest 8 bits of its stored integer are not all zero.
bool ReadCheck(const IniDocument& ini, const QString& section, const QString& key) {
  return (ReadInteger(ini, section, key, 1) & 0xFF) != 0;
}

QStringList ReadList(const IniDocument& ini, const QString& section, const QString& key,
                     const QString& defaultValue) {
  QStringList list;
  SplitCommaList(ReadText(ini, section, key, defaultValue), list);
  return list;
}

bool IsTrimmed(QChar c) { return c.unicode() <= u' '; }

}  // namespace

QString SettingsFileName() { return SettingsFileName(QCoreApplication::applicationDirPath()); }

QString SettingsFileName(const QString& folder) {
  return folder + QStringLiteral("/Ormu.dat") + QStringLiteral(".ini");
}

AppSettings ReadSettings(const QString& fileName) {
  IniDocument ini;
  ini.load(fileName);  // an unreadable file reads as empty, as a missing one
  AppSettings settings;
  settings.tracksPath = ReadText(ini, kDefaults, kTracksPath, QString());
  settings.exceptions = ReadList(ini, kConfig, kExceptions, kDefaultExceptions);
  settings.databaseDirs = ReadList(ini, kConfig, kDatabase, QString());
  settings.genreTypes = ReadList(ini, kDefaults, kGenreTypes, kDefaultGenreTypes);
  settings.pictures = ReadCheck(ini, kChecked, kPictures);
  settings.picturesFlag = ReadCheck(ini, kChecked, kPicturesFlag);
  settings.fileNameWidth = ReadInteger(ini, kWidths, kFileName, 50);
  return settings;
}

void WriteSettings(const QString& fileName, const AppSettings& settings) {
  IniDocument ini;
  if (!ini.load(fileName)) throw Error(QStringLiteral("Unable to write to %1").arg(fileName));
  // Written in this order, a new file lays out as DEFAULTS (TRACKSPATH,
  // GENRETYPES), CONFIG (EXCEPTIONS, DATABASE), CHECKED, WIDTHS.
  ini.writeString(kDefaults, kTracksPath, settings.tracksPath);
  ini.writeString(kConfig, kExceptions, JoinCommaList(settings.exceptions));
  ini.writeString(kConfig, kDatabase, JoinCommaList(settings.databaseDirs));
  ini.writeString(kDefaults, kGenreTypes, JoinCommaList(settings.genreTypes));
  ini.writeString(kChecked, kPictures, QString::number(settings.pictures ? 1 : 0));
  ini.writeString(kChecked, kPicturesFlag, QString::number(settings.picturesFlag ? 1 : 0));
  ini.writeString(kWidths, kFileName, QString::number(settings.fileNameWidth));
  ini.save(fileName);
}

void SplitCommaList(const QString& text, QStringList& list) {
  list.clear();
  if (std::all_of(text.begin(), text.end(), IsTrimmed)) return;
  QString entry;
  for (QChar c : text) {
    if (c == u',') {
      list.append(entry);
      entry.clear();
    } else {
      entry.append(c);
    }
  }
  if (!text.endsWith(u',')) list.append(entry);
}

QString JoinCommaList(const QStringList& list) { return list.join(u','); }

}  // namespace quillora
