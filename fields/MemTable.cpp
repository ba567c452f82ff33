#include "fields/MemTable.h"

#include "fields/Error.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace quillora {

MemTable::MemTable(const QString& name, QObject* parent) : QObject(parent), name_(name) {}

void MemTable::requireClosed(const char* what) const {
  if (open_)
    throw Error(QStringLiteral("%1: cannot %2 while the table is open")
                    .arg(name_, QString::fromLatin1(what)));
}

int MemTable::addColumn(const QString& name, FieldType type, int size) {
  requireClosed("add a column");
  if (columnIndex(name) >= 0)
    throw Error(QStringLiteral("%1: duplicate column name %2").arg(name_, name));
  ColumnDef def;
  def.name = name;
  def.type = type;
  def.size = type == FieldType::Integer ? 4 : type == FieldType::Boolean ? 2 : size;
  columns_.push_back(def);
  handlers_.emplace_back();
  return columnCount() - 1;
}

int MemTable::addLookupColumn(const QString& name, FieldType type, int size,
                              const QString& keyColumn, const MemTable* other,
                              const QString& otherKey, const QString& otherResult) {
  const int key = columnIndexOrThrow(keyColumn);
  const int index = addColumn(name, type, size);
  ColumnDef& def = columns_[size_t(index)];
  def.isLookup = true;
  def.lookup.keyColumn = key;
  def.lookup.table = other;
  def.lookup.otherKey = other->columnIndexOrThrow(otherKey);
  def.lookup.otherResult = other->columnIndexOrThrow(otherResult);
  return index;
}

void MemTable::clearColumns() {
  requireClosed("remove columns");
  columns_.clear();
  handlers_.clear();
}

int MemTable::columnIndex(const QString& name) const {
  for (int i = 0; i < columnCount(); ++i)
    if (columns_[size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int MemTable::columnIndexOrThrow(const QString& name) const {
  const int index = columnIndex(name);
  if (index < 0) throw Error(QStringLiteral("%1: Field '%2' not found").arg(name_, name));
  return index;
}

QVector<int> MemTable::dataColumns() const {
  QVector<int> result;
  for (int i = 0; i < columnCount(); ++i)
    if (!columns_[size_t(i)].isLookup) result.push_back(i);
  return result;
}

void MemTable::open() {
  if (open_) return;
  open_ = true;
  cursor_ = rows_.empty() ? -1 : 0;
  eof_ = rows_.empty();
  state_ = State::Browse;
  notifyReset();
}

void MemTable::close() {
  if (!open_ && rows_.empty()) return;
  open_ = false;
  rows_.clear();
  visible_.clear();
  filtered_ = false;
  cursor_ = -1;
  eof_ = true;
  state_ = State::Browse;
  nextRecId_ = 1;
  notifyReset();
}

QVariant MemTable::value(int row, int column) const {
  const ColumnDef& def = columns_[size_t(column)];
  if (def.isLookup) return lookupValue(row, def);
  return rows_[size_t(row)].values[size_t(column)];
}

QVariant MemTable::lookupValue(int row, const ColumnDef& def) const {
  const QVariant key = value(row, def.lookup.keyColumn);
  if (key.isNull()) return {};
  const MemTable& other = *def.lookup.table;
  for (int r = 0; r < other.rowCount(); ++r) {
    const QVariant candidate = other.value(r, def.lookup.otherKey);
    if (!candidate.isNull() && candidate == key) {
      const QVariant result = other.value(r, def.lookup.otherResult);
      return convertTo(def, result).value_or(QVariant());
    }
  }
  return {};
}

void MemTable::setStoredValue(int row, int column, const QVariant& value) {
  const ColumnDef& def = columns_[size_t(column)];
  if (def.isLookup)
    throw Error(QStringLiteral("%1: Field '%2' cannot be modified").arg(name_, def.name));
  rows_[size_t(row)].values[size_t(column)] = convertOrThrow(def, value);
}

void MemTable::setValue(int row, int column, const QVariant& value) {
  setStoredValue(row, column, value);
  emitOrDefer([this, row, column] { emit valueChanged(row, column); });
  if (handlers_[size_t(column)]) handlers_[size_t(column)](row, column);
}

int MemTable::appendRowRaw() {
  Row row;
  row.recId = nextRecId_++;
  row.values.resize(columns_.size());
  rows_.push_back(std::move(row));
  const int index = rowCount() - 1;
  if (filtered_) visible_.push_back(index);
  return index;
}

void MemTable::setFilter(QVector<int> visibleRows) {
  visible_ = std::move(visibleRows);
  filtered_ = true;
  cursor_ = visible_.isEmpty() ? -1 : 0;
  eof_ = visible_.isEmpty();
  notifyReset();
}

void MemTable::clearFilter() {
  if (!filtered_) return;
  const int current = currentRow();
  filtered_ = false;
  visible_.clear();
  cursor_ = current >= 0 ? current : (rows_.empty() ? -1 : 0);
  eof_ = rows_.empty();
  notifyReset();
}

void MemTable::first() {
  cursor_ = isEmpty() ? -1 : 0;
  eof_ = isEmpty();
  state_ = State::Browse;
  if (cursor_ >= 0) emitOrDefer([this, row = currentRow()] { emit currentRowChanged(row); });
}

void MemTable::last() {
  cursor_ = visibleCount() - 1;
  eof_ = isEmpty();
  state_ = State::Browse;
  if (cursor_ >= 0) emitOrDefer([this, row = currentRow()] { emit currentRowChanged(row); });
}

void MemTable::next() {
  state_ = State::Browse;
  if (cursor_ + 1 < visibleCount()) {
    ++cursor_;
    emitOrDefer([this, row = currentRow()] { emit currentRowChanged(row); });
  } else {
    eof_ = true;
  }
}

bool MemTable::eof() const { return eof_ || isEmpty(); }

int MemTable::currentRow() const {
  if (cursor_ < 0 || cursor_ >= visibleCount()) return -1;
  return visibleRow(cursor_);
}

void MemTable::moveToRow(int row) {
  int position = row;
  if (filtered_) {
    const auto it = std::lower_bound(visible_.begin(), visible_.end(), row);
    if (it == visible_.end() || *it != row)
      throw Error(QStringLiteral("%1: record not found").arg(name_));
    position = int(it - visible_.begin());
  } else if (row < 0 || row >= rowCount()) {
    throw Error(QStringLiteral("%1: record not found").arg(name_));
  }
  cursor_ = position;
  eof_ = false;
  state_ = State::Browse;
  emitOrDefer([this, row] { emit currentRowChanged(row); });
}

int MemTable::requireCurrent() const {
  const int row = currentRow();
  if (row < 0) throw Error(QStringLiteral("%1: no current record").arg(name_));
  return row;
}

void MemTable::edit() {
  if (!open_) throw Error(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(name_));
  requireCurrent();
  state_ = State::Edit;
}

void MemTable::append() {
  if (!open_) throw Error(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(name_));
  const int row = appendRowRaw();
  cursor_ = filtered_ ? int(visible_.size()) - 1 : row;
  eof_ = false;
  state_ = State::Insert;
  emitOrDefer([this, row] { emit rowAppended(row); });
  emitOrDefer([this, row] { emit currentRowChanged(row); });
}

void MemTable::post() { state_ = State::Browse; }

void MemTable::setFieldValue(int column, const QVariant& v) { setValue(requireCurrent(), column, v); }

void MemTable::disableControls() { ++disabled_; }

void MemTable::enableControls() {
  if (disabled_ == 0) return;
  if (--disabled_ == 0 && resetPending_) {
    resetPending_ = false;
    emit tableReset();
  }
}

void MemTable::notifyReset() {
  if (disabled_ > 0) {
    resetPending_ = true;
    return;
  }
  emit tableReset();
}

void MemTable::emitOrDefer(const std::function<void()>& emitter) {
  if (disabled_ > 0) {
    resetPending_ = true;
    return;
  }
  emitter();
}

void MemTable::setChangeHandler(int column, ChangeHandler handler) {
  handlers_[size_t(column)] = std::move(handler);
}

QString MemTable::cutToWidth(const QString& text, int width) {
  if (width <= 0 || text.size() <= width) return text;
  int units = 0;
  for (int points = 0; points < width && units < text.size(); ++points)
    units += (text[units].isHighSurrogate() && units + 1 < text.size() &&
              text[units + 1].isLowSurrogate())
                 ? 2
                 : 1;
  return text.left(units);
}

namespace {

std::optional<QVariant> toInteger(const QVariant& value) {
  bool ok = false;
  qint64 number = 0;
  switch (value.typeId()) {
    case QMetaType::Bool: return QVariant(qint32(value.toBool() ? 1 : 0));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      number = value.toLongLong(&ok);
      break;
    default:
      number = value.toString().trimmed().toLongLong(&ok, 10);
  }
  if (!ok || number < INT32_MIN || number > INT32_MAX) return std::nullopt;
  return QVariant(qint32(number));
}

std::optional<QVariant> toBoolean(const QVariant& value) {
  if (value.typeId() == QMetaType::Bool) return value;
  const QString text = value.toString().trimmed();
  if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return QVariant(true);
  if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return QVariant(false);
  bool ok = false;
  const double number = text.toDouble(&ok);
  if (!ok) return std::nullopt;
  return QVariant(number != 0.0);
}

std::optional<QVariant> toDateTime(const QVariant& value) {
  if (value.typeId() == QMetaType::QDateTime) return value;
  if (value.typeId() == QMetaType::QDate) return QVariant(value.toDate().startOfDay());
  const QString text = value.toString().trimmed();
  const QLocale locale = QLocale::system();
  for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
    QDateTime parsed = locale.toDateTime(text, format);
    if (parsed.isValid()) return QVariant(parsed);
    const QDate date = locale.toDate(text, format);
    if (date.isValid()) return QVariant(date.startOfDay());
  }
  const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
  if (iso.isValid()) return QVariant(iso);
  return std::nullopt;
}

}  // namespace

std::optional<QVariant> MemTable::convertTo(const ColumnDef& column, const QVariant& value) {
  if (value.isNull()) return QVariant();
  switch (column.type) {
    case FieldType::String: return QVariant(cutToWidth(value.toString(), column.size));
    case FieldType::Integer: return toInteger(value);
    case FieldType::Boolean: return toBoolean(value);
    case FieldType::DateTime: return toDateTime(value);
  }
  return std::nullopt;
}

QVariant MemTable::convertOrThrow(const ColumnDef& column, const QVariant& value) {
  if (auto converted = convertTo(column, value)) return *converted;
  const QString text = value.toString();
  switch (column.type) {
    case FieldType::Integer:
      throw Error(QStringLiteral("''%1'' is not a valid integer value").arg(text));
    case FieldType::Boolean:
      throw Error(QStringLiteral("''%1'' is not a valid boolean value").arg(text));
    default:
      throw Error(QStringLiteral("''%1'' is not a valid date and time").arg(text));
  }
}

}  // namespace quillora
