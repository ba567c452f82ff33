#include "tracks/TrackList.h"

#include "fields/Error.h"
#include "fields/FieldModel.h"
#include "tracks/ActionsDisabled.h"

#include <QScopeGuard>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace quillora {

namespace {

const QString kFileName = QStringLiteral("FileName");

qint64 pairKey(int fieldId, int mediaType) { return (qint64(fieldId) << 32) | quint32(mediaType); }

// One field of a value list: its id and the value of its first line.
struct ValueLine {
  int fieldId;
  QString value;
};

// The value list's fields in line order, each once; a line whose name is not
// a field id (no "=", a blank or a non-numeric name) names no field.
std::vector<ValueLine> parseValueLines(const QStringList& lines) {
  std::vector<ValueLine> result;
  QSet<int> seen;
  for (const QString& line : lines) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) continue;
    bool ok = false;
    const int fieldId = QStringView(line).left(equals).trimmed().toInt(&ok);
    if (!ok || seen.contains(fieldId)) continue;
    seen.insert(fieldId);
    result.push_back({fieldId, line.mid(equals + 1)});
  }
  return result;
}

// Gives target the data columns of source it lacks and appends copies of the
// first `limit` visible rows of source. The tables this serves have no lookup
// columns, so only data columns are copied.
void copyRows(MemTable& source, MemTable& target, int limit) {
  target.close();
  for (int c : source.dataColumns()) {
    const ColumnDef& def = source.column(c);
    if (target.columnIndex(def.name) < 0) target.addColumn(def.name, def.type, def.size);
  }
  std::vector<std::pair<int, int>> mapping;
  for (int c : source.dataColumns()) {
    const int t = target.columnIndex(source.column(c).name);
    if (!target.column(t).isLookup) mapping.emplace_back(c, t);
  }
  target.open();
  const int count = std::min(limit, source.visibleCount());
  for (int position = 0; position < count; ++position) {
    const int row = source.visibleRow(position);
    const int copy = target.appendRowRaw();
    for (const auto& [from, to] : mapping) {
      const QVariant value = source.value(row, from);
      if (!value.isNull()) target.setStoredValue(copy, to, value);
    }
  }
}

std::optional<FieldType> trackColumnType(int catalogueType) {
  switch (catalogueType) {
    case 1: return FieldType::String;
    case 2: return FieldType::Boolean;
    case 3: return FieldType::DateTime;
    case 4: return FieldType::Integer;
    default: return std::nullopt;
  }
}

// Whether a cell differs from its value as read; a column added since the
// row was read counts as read empty.
bool differs(const std::vector<QVariant>& read, const MemTable& tracks, int row, int column) {
  const QVariant value = size_t(column) < read.size() ? read[size_t(column)] : QVariant();
  return value != tracks.value(row, column);
}

}  // namespace

QString TrackFieldName(int fieldId) { return QStringLiteral("Field") + QString::number(fieldId); }

TrackList::TrackList(FieldModel& fields, bool& disableActions)
    : fields_(fields), disableActions_(disableActions) {
  JvMemoryData1.addColumn(kFileName, FieldType::String, kFileNameWidth);
  cxGridMP3.append({QStringLiteral("cxGridMP3FileName"), kFileName, kFileName, 250, true});
}

void TrackList::CopyTableRows(MemTable& source, MemTable& target) {
  copyRows(source, target, source.visibleCount());
}

void TrackList::parkRows() {
  // The spare table takes the track table's columns at their full width, so
  // parking never cuts a value.
  dxMemData2.close();
  dxMemData2.clearColumns();
  for (int c : JvMemoryData1.dataColumns()) {
    const ColumnDef& def = JvMemoryData1.column(c);
    dxMemData2.addColumn(def.name, def.type, def.size);
  }
  dxMemData2.open();
  CopyTableRows(JvMemoryData1, dxMemData2);
  JvMemoryData1.close();
}

void TrackList::restoreRows(int count) {
  copyRows(dxMemData2, JvMemoryData1, count);
  dxMemData2.close();
}

void TrackList::restructure(const std::function<void()>& change, bool keepLastOnFailure) {
  if (!JvMemoryData1.isOpen())
    throw Error(QStringLiteral("Load a folder first: the track list is not open"));
  // Declared before the freeze so that views hear the table's one reset while
  // the restructure is still marked.
  restructuring_ = true;
  const auto unmark = qScopeGuard([this] { restructuring_ = false; });
  ControlsFrozen frozen(JvMemoryData1);
  parkRows();
  const int count = dxMemData2.rowCount();
  try {
    change();
  } catch (...) {
    restoreRows(keepLastOnFailure ? count : count - 1);
    throw;
  }
  restoreRows(count);
}

void TrackList::AddTrackField(const QString& fieldId, int mediaType) {
  ActionsDisabled disabled(disableActions_);
  bool ok = false;
  const int id = fieldId.trimmed().toInt(&ok);
  const int catRow = ok ? fields_.CatalogueRow(id) : -1;
  const MemTable& catalogue = fields_.mdFields;
  const auto type =
      trackColumnType(catRow < 0 ? 0 : catalogue.value(catRow, fields_.cat().FieldTypeID).toInt());
  if (!type)
    throw Error(QStringLiteral("Field %1 cannot be shown: its type in the field catalogue is not "
                               "String, Boolean, Date or Integer")
                    .arg(fieldId));
  const int width = *type == FieldType::String
                        ? catalogue.value(catRow, fields_.cat().FieldSize).toInt()
                        : 0;
  const QString name = TrackFieldName(id);
  JvMemoryData1.addColumn(name, *type, width);
  const QString caption = catalogue.value(catRow, fields_.cat().Name).toString();
  const int position = cxGridMP3.append({QStringLiteral("cxGridMP3") + name, name, caption, 50, true});

  MemTable& map = fields_.mdFieldsInternal;
  const FieldMapColumns& fm = fields_.fm();
  fields_.FilterFieldMap(id, mediaType, -1);
  if (!map.isEmpty()) {
    map.edit();
    map.setFieldValue(fm.ViewCheck, true);
    map.setFieldValue(fm.BatchCheck, false);
    map.setFieldValue(fm.ColumnIndex, position);
    map.post();
  }
  linked_.insert(pairKey(id, mediaType));
}

void TrackList::linkFieldMapRow(int fieldId, int mediaType) {
  const qint64 key = pairKey(fieldId, mediaType);
  if (linked_.contains(key)) return;
  const int position = FindTrackColumn(TrackFieldName(fieldId));
  if (position < 0) return;
  linked_.insert(key);
  MemTable& map = fields_.mdFieldsInternal;
  const FieldMapColumns& fm = fields_.fm();
  const int row = fields_.FieldMapRow(fieldId, mediaType);
  if (row < 0) return;
  if (map.value(row, fm.ViewCheck).toBool() && map.value(row, fm.ColumnIndex).toInt() == position)
    return;
  map.setValue(row, fm.ViewCheck, true);
  map.setValue(row, fm.BatchCheck, false);
  map.setValue(row, fm.ColumnIndex, position);
}

void TrackList::FillTrackRow(const QStringList& valueLines, const QString& relativeName,
                             int mediaType) {
  ActionsDisabled disabled(disableActions_);
  MemTable& tracks = JvMemoryData1;
  tracks.setFieldValue(tracks.columnIndexOrThrow(kFileName), relativeName);
  const std::vector<ValueLine> values = parseValueLines(valueLines);

  QStringList missing;
  for (const ValueLine& line : values)
    if (tracks.columnIndex(TrackFieldName(line.fieldId)) < 0) missing << QString::number(line.fieldId);
  if (!missing.isEmpty())
    restructure([&] {
      for (const QString& fieldId : missing) AddTrackField(fieldId, mediaType);
    }, false);

  tracks.last();
  tracks.edit();
  for (const ValueLine& line : values) {
    if (line.value.isEmpty()) continue;
    const int column = tracks.columnIndex(TrackFieldName(line.fieldId));
    if (column < 0) continue;
    linkFieldMapRow(line.fieldId, mediaType);
    if (const auto converted = MemTable::convertTo(tracks.column(column), line.value))
      tracks.setFieldValue(column, *converted);
  }
}

void TrackList::mdFieldsViewCheckChange(int fieldMapRow) {
  if (disableActions_) return;
  ActionsDisabled disabled(disableActions_);
  MemTable& map = fields_.mdFieldsInternal;
  const FieldMapColumns& fm = fields_.fm();
  const int fieldId = map.value(fieldMapRow, fm.FieldID).toInt();
  const int mediaType = map.value(fieldMapRow, fm.MediaTypeID).toInt();
  const QString name = TrackFieldName(fieldId);
  const int position = FindTrackColumn(name);

  if (!map.value(fieldMapRow, fm.ViewCheck).toBool()) {
    if (position >= 0) cxGridMP3.setVisible(position, false);
    return;
  }
  if (JvMemoryData1.columnIndex(name) >= 0) {
    if (position < 0) return;
    cxGridMP3.setVisible(position, true);
    // A row of another media type than the one the column was made for
    // points at it from now on, as a freshly made column would.
    if (map.value(fieldMapRow, fm.ColumnIndex).toInt() != position)
      map.setValue(fieldMapRow, fm.ColumnIndex, position);
    return;
  }
  try {
    restructure([&] { AddTrackField(QString::number(fieldId), mediaType); }, true);
  } catch (...) {
    map.setValue(fieldMapRow, fm.ViewCheck, false);
    throw;
  }
}

void TrackList::ResetTrackFields() {
  for (int position = cxGridMP3.count() - 1; position >= 0; --position)
    if (AsciiUpper(cxGridMP3.at(position).fieldName) != QLatin1String("FILENAME"))
      cxGridMP3.removeAt(position);
  JvMemoryData1.clearColumns();
  JvMemoryData1.addColumn(kFileName, FieldType::String, kFileNameWidth);
  asRead_.clear();
  files_.clear();
  linked_.clear();
}

int TrackList::fieldOfColumn(int position) const {
  if (position < 0 || position >= cxGridMP3.count()) return -1;
  return JvMemoryData1.columnIndex(cxGridMP3.at(position).fieldName);
}

void TrackList::rememberAsRead(int row) {
  if (asRead_.size() <= size_t(row)) asRead_.resize(size_t(row) + 1);
  std::vector<QVariant>& values = asRead_[size_t(row)];
  values.resize(size_t(JvMemoryData1.columnCount()));
  for (int column = 0; column < JvMemoryData1.columnCount(); ++column)
    values[size_t(column)] = JvMemoryData1.value(row, column);
  emit readValuesChanged(row);
}

void TrackList::rememberFile(int row, const std::optional<FileIdentity>& identity) {
  if (files_.size() <= size_t(row)) files_.resize(size_t(row) + 1);
  files_[size_t(row)] = identity;
}

bool TrackList::fileChangedOnDisk(int row, const QString& fullName) const {
  if (size_t(row) >= files_.size() || !files_[size_t(row)]) return false;
  const std::optional<FileIdentity> now = IdentityOfFile(fullName);
  return now && *now != *files_[size_t(row)];
}

const std::vector<QVariant>* TrackList::readValues(int row) const {
  if (!JvMemoryData1.isOpen() || row >= JvMemoryData1.rowCount() || !hasReadValues(row)) return nullptr;
  return &asRead_[size_t(row)];
}

bool TrackList::isCellPending(int row, int column) const {
  const std::vector<QVariant>* read = readValues(row);
  return read && differs(*read, JvMemoryData1, row, column);
}

bool TrackList::isRowPending(int row) const {
  const std::vector<QVariant>* read = readValues(row);
  if (!read) return false;
  for (int column = 0; column < JvMemoryData1.columnCount(); ++column)
    if (differs(*read, JvMemoryData1, row, column)) return true;
  return false;
}

bool TrackList::hasPendingChanges() const {
  const int rows = JvMemoryData1.isOpen() ? JvMemoryData1.rowCount() : 0;
  for (int row = 0; row < std::min(rows, int(asRead_.size())); ++row)
    if (isRowPending(row)) return true;
  return false;
}

}  // namespace quillora
