#include "app/IniFile.h"

#include "dialogs/TextFile.h"
#include "fields/Error.h"

namespace quillora {
namespace {

bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

QString Trim(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && IsBlank(text.at(begin))) ++begin;
  while (end > begin && IsBlank(text.at(end - 1))) --end;
  return text.sliced(begin, end - begin).toString();
}

// "[name]": the text between the bracket and the last closing bracket.
std::optional<QString> SectionName(const QString& line) {
  const QString trimmed = Trim(line);
  if (!trimmed.startsWith(u'[')) return std::nullopt;
  const qsizetype close = trimmed.lastIndexOf(u']');
  if (close < 0) return std::nullopt;
  return Trim(QStringView(trimmed).sliced(1, close - 1));
}

bool IsComment(const QString& line) { return Trim(line).startsWith(u';'); }

// "name=value", or "name" alone, which reads as an empty value.
struct KeyLine {
  QString name;
  QString value;
};

std::optional<KeyLine> ParseKey(const QString& line) {
  if (IsComment(line) || SectionName(line)) return std::nullopt;
  const qsizetype equals = line.indexOf(u'=');
  KeyLine key;
  key.name = Trim(equals < 0 ? QStringView(line) : QStringView(line).first(equals));
  if (equals >= 0) key.value = Trim(QStringView(line).sliced(equals + 1));
  if (key.name.isEmpty()) return std::nullopt;
  return key;
}

// One pair of matching quotes around a value is not part of it.
QString Unquote(const QString& value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front()) {
    return value.sliced(1, value.size() - 2);
  }
  return value;
}

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

bool IniDocument::load(const QString& fileName) {
  *this = IniDocument();
  const TextFileContents contents = ReadTextFile(fileName);
  if (contents.status == TextFileStatus::Unreadable) return false;
  encoding_ = contents.decoded.encoding;
  const QString& text = contents.decoded.text;
  bool newlineSeen = false;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') continue;
    const qsizetype endingSize = (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ? 2 : 1;
    Line line{text.sliced(start, i - start), text.sliced(i, endingSize)};
    if (!newlineSeen) {
      newline_ = line.ending;
      newlineSeen = true;
    }
    lines_.push_back(std::move(line));
    i += endingSize - 1;
    start = i + 1;
  }
  if (start < text.size()) lines_.push_back({text.sliced(start), QString()});
  return true;
}

void IniDocument::save(const QString& fileName) const {
  if (!WriteTextFile(fileName, text(), encoding_)) {
    throw Error(QStringLiteral("Unable to write to %1").arg(fileName));
  }
}

QString IniDocument::text() const {
  QString result;
  for (const Line& line : lines_) result += line.content + line.ending;
  return result;
}

std::optional<size_t> IniDocument::findSection(const QString& section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i].content);
    if (name && SameName(*name, section)) return i;
  }
  return std::nullopt;
}

size_t IniDocument::sectionEnd(size_t header) const {
  size_t i = header + 1;
  while (i < lines_.size() && !SectionName(lines_[i].content)) ++i;
  return i;
}

std::optional<size_t> IniDocument::findKey(size_t header, const QString& key) const {
  const size_t end = sectionEnd(header);
  for (size_t i = header + 1; i < end; ++i) {
    const auto parsed = ParseKey(lines_[i].content);
    if (parsed && SameName(parsed->name, key)) return i;
  }
  return std::nullopt;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
  const auto header = findSection(section);
  if (!header) return std::nullopt;
  const auto line = findKey(*header, key);
  if (!line) return std::nullopt;
  return Unquote(ParseKey(lines_[*line].content)->value);
}

QString IniDocument::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
  return value(section, key).value_or(defaultValue);
}

void IniDocument::insertLine(size_t position, const QString& content) {
  if (position > 0 && lines_[position - 1].ending.isEmpty()) lines_[position - 1].ending = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), Line{content, newline_});
}

void IniDocument::writeString(const QString& section, const QString& key, const QString& value) {
  QString oneLine = value;
  oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
  const auto header = findSection(section);
  if (!header) {
    insertLine(lines_.size(), u'[' + section + u']');
    insertLine(lines_.size(), key + u'=' + oneLine);
    return;
  }
  if (const auto line = findKey(*header, key)) {
    lines_[*line].content = ParseKey(lines_[*line].content)->name + u'=' + oneLine;
    return;
  }
  // After the section's last key, so blank lines and comments that lead into
  // the next section stay where they are.
  size_t after = *header;
  const size_t end = sectionEnd(*header);
  for (size_t i = *header + 1; i < end; ++i) {
    if (ParseKey(lines_[i].content)) after = i;
  }
  insertLine(after + 1, key + u'=' + oneLine);
}

}  // namespace quillora
