#include "fields/MemTableFile.h"

#include "fields/Error.h"
#include "fields/TableRows.h"
#include "fields/Windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>
#include <optional>

namespace quillora {

namespace {

constexpr char kMagic[3] = {'V', 'e', 'r'};
constexpr double kVersion = 1.91;
constexpr int kMaxNameLength = 255;

[[noreturn]] void fail(const QString& sourceName, const QString& what) {
  throw Error(QStringLiteral("%1: %2").arg(sourceName, what));
}

QString typeName(FieldType type) {
  switch (type) {
    case FieldType::String: return QStringLiteral("string");
    case FieldType::Integer: return QStringLiteral("integer");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::DateTime: return QStringLiteral("date and time");
  }
  return QString();
}

// Little-endian reads over the stream; each returns nothing when the stream
// ends first.
class StreamReader {
 public:
  explicit StreamReader(const QByteArray& bytes) : bytes_(bytes) {}

  bool atEnd() const { return pos_ >= bytes_.size(); }
  std::optional<QByteArrayView> take(qint64 count) {
    if (count < 0 || count > bytes_.size() - pos_) return std::nullopt;
    QByteArrayView view(bytes_.constData() + pos_, count);
    pos_ += count;
    return view;
  }
  template <typename T>
  std::optional<T> number() {
    auto raw = take(sizeof(T));
    if (!raw) return std::nullopt;
    return qFromLittleEndian<T>(raw->data());
  }

 private:
  const QByteArray& bytes_;
  qint64 pos_ = 0;
};

void readHeader(StreamReader& in, const QString& sourceName, std::vector<MemTableDescriptor>& out) {
  auto magic = in.take(sizeof kMagic);
  if (!magic) fail(sourceName, QStringLiteral("not a memory-table file (truncated header)"));
  if (std::memcmp(magic->data(), kMagic, sizeof kMagic) != 0)
    fail(sourceName, QStringLiteral("not a memory-table file (it does not begin with \"Ver\")"));
  auto version = in.number<double>();
  auto count = in.number<qint32>();
  if (!version || !count) fail(sourceName, QStringLiteral("not a memory-table file (truncated header)"));
  if (*version != kVersion) fail(sourceName, QStringLiteral("not a memory-table file (wrong version)"));
  if (*count < 0) fail(sourceName, QStringLiteral("not a memory-table file (negative field count)"));

  const QString truncated = QStringLiteral("not a memory-table file (truncated field descriptors)");
  for (qint32 i = 0; i < *count; ++i) {
    auto size = in.number<qint32>();
    auto code = in.number<quint16>();
    auto length = in.number<quint16>();
    if (!size || !code || !length) fail(sourceName, truncated);
    if (*length > kMaxNameLength) throw Error(QStringLiteral("The data is incorrect"));
    auto name = in.take(*length);
    if (!name) fail(sourceName, truncated);
    const qsizetype zero = name->indexOf('\0');
    MemTableDescriptor d;
    d.name = DecodeUtf8OrWindows1252(zero < 0 ? *name : name->first(zero));
    d.size = *size;
    d.type = FieldType(*code);
    if (d.type != FieldType::String && d.type != FieldType::Integer && d.type != FieldType::Boolean)
      fail(sourceName, QStringLiteral("column \"%1\" has the unknown type code %2").arg(d.name).arg(*code));
    out.push_back(d);
  }
}

// One stored value; nothing when the stream ends inside it. An empty value
// is a null QVariant.
std::optional<QVariant> readValue(StreamReader& in, FieldType type, const QString& sourceName) {
  auto flag = in.number<quint8>();
  if (!flag) return std::nullopt;
  switch (type) {
    case FieldType::Integer: {
      auto v = in.number<qint32>();
      if (!v) return std::nullopt;
      return *flag ? QVariant(int(*v)) : QVariant();
    }
    case FieldType::Boolean: {
      auto v = in.number<quint16>();
      if (!v) return std::nullopt;
      return *flag ? QVariant(*v != 0) : QVariant();
    }
    default: {
      if (!*flag) return QVariant();
      auto count = in.number<qint32>();
      if (!count) return std::nullopt;
      if (*count < 0) fail(sourceName, QStringLiteral("damaged record (negative text length)"));
      auto text = in.take(*count);
      if (!text) return std::nullopt;
      return QVariant(DecodeUtf8OrWindows1252(*text));
    }
  }
}

QByteArray readFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    fail(fileName, QStringLiteral("cannot read the file (%1)").arg(file.errorString()));
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    fail(fileName, QStringLiteral("cannot read the file (%1)").arg(file.errorString()));
  return bytes;
}

template <typename T>
void append(QByteArray& out, T value) {
  char raw[sizeof(T)];
  qToLittleEndian(value, raw);
  out.append(raw, sizeof raw);
}

void appendValue(QByteArray& out, FieldType type, const QVariant& value) {
  const bool present = !value.isNull();
  append<quint8>(out, present ? 1 : 0);
  switch (type) {
    case FieldType::Integer: append<qint32>(out, present ? value.toInt() : 0); break;
    case FieldType::Boolean: append<quint16>(out, present && value.toBool() ? 1 : 0); break;
    default:
      if (present) {
        const QByteArray text = value.toString().toUtf8();
        append<qint32>(out, qint32(text.size()));
        out.append(text);
      }
  }
}

}  // namespace

MemTableData ParseMemTableStream(const QByteArray& bytes, const QString& sourceName) {
  MemTableData data;
  StreamReader in(bytes);
  readHeader(in, sourceName, data.descriptors);
  // Records run to the end of the stream; one cut off by the end is dropped.
  // Without descriptors a record holds nothing, so there are none.
  while (!data.descriptors.empty() && !in.atEnd()) {
    QVector<QVariant> record;
    record.reserve(qsizetype(data.descriptors.size()));
    for (const MemTableDescriptor& d : data.descriptors) {
      auto value = readValue(in, d.type, sourceName);
      if (!value) return data;
      record.append(*value);
    }
    data.records.push_back(std::move(record));
  }
  return data;
}

void ReadMemTableStream(MemTable& table, const QByteArray& bytes, const QString& sourceName) {
  MemTableData data = ParseMemTableStream(bytes, sourceName);
  QVector<int> columns;
  for (const MemTableDescriptor& d : data.descriptors) {
    int column = table.columnIndex(d.name);
    if (column >= 0 && table.column(column).isLookup) column = -1;
    if (column >= 0 && table.column(column).type != d.type)
      fail(sourceName, QStringLiteral("column \"%1\" is stored as %2 but the table holds %3")
                           .arg(d.name, typeName(d.type), typeName(table.column(column).type)));
    columns.append(column);
  }
  ReplaceTableRows(table, columns, data.records);
}

QByteArray WriteMemTableStream(const MemTable& table) {
  const QVector<int> columns = table.dataColumns();
  QByteArray out(kMagic, sizeof kMagic);
  append<double>(out, kVersion);
  append<qint32>(out, qint32(columns.size()));
  for (int c : columns) {
    const ColumnDef& def = table.column(c);
    if (def.type == FieldType::DateTime)
      throw Error(QStringLiteral("%1: column \"%2\": date and time columns cannot be stored")
                      .arg(table.tableName(), def.name));
    const QByteArray name = def.name.toUtf8() + '\0';
    if (name.size() > kMaxNameLength)
      throw Error(QStringLiteral("%1: column name \"%2\" is too long to be stored")
                      .arg(table.tableName(), def.name));
    const qint32 size = def.type == FieldType::String ? def.size
                        : def.type == FieldType::Integer ? 4 : 2;
    append<qint32>(out, size);
    append<quint16>(out, quint16(def.type));
    append<quint16>(out, quint16(name.size()));
    out.append(name);
  }
  for (int row = 0; row < table.rowCount(); ++row)
    for (int c : columns) appendValue(out, table.column(c).type, table.value(row, c));
  return out;
}

void LoadMemTable(MemTable& table, const QString& fileName) {
  ReadMemTableStream(table, readFile(fileName), fileName);
}

void SaveMemTable(const MemTable& table, const QString& fileName) {
  const QByteArray bytes = WriteMemTableStream(table);
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    fail(fileName, QStringLiteral("cannot write the file (%1)").arg(file.errorString()));
}

}  // namespace quillora
