// The in-memory table behind every table of the program: the field catalogue,
// the field map, the media formats, the track table and its spare copy.
//
// Rows are ordered and hold one value per column; an empty value is a null
// QVariant. Lookup columns are computed from another table on every read and
// never stored. A program-set filter chooses the visible rows; the cursor and
// every walk see only those. Assignments are written straight into the row,
// and a column's change handler runs on each assignment.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>
#include <vector>

namespace quillora {

// The type codes are those of the memory-table file; DateTime is never stored
// in a file, it only appears in the track table.
enum class FieldType : quint16 { String = 1, Integer = 3, Boolean = 5, DateTime = 11 };

struct LookupSpec {
  int keyColumn = -1;                 // column of this table holding the key
  const class MemTable* table = nullptr;  // the other table
  int otherKey = -1;                  // key column of the other table
  int otherResult = -1;               // result column of the other table
};

struct ColumnDef {
  QString name;
  FieldType type = FieldType::String;
  int size = 0;  // width in characters for strings; 4 integer, 2 Boolean
  bool isLookup = false;
  LookupSpec lookup;
};

class MemTable : public QObject {
  Q_OBJECT
 public:
  enum class State { Browse, Edit, Insert };
  using ChangeHandler = std::function<void(int row, int column)>;

  explicit MemTable(const QString& name = QString(), QObject* parent = nullptr);

  const QString& tableName() const { return name_; }

  // Structure. Columns are added or removed only while the table is closed.
  int addColumn(const QString& name, FieldType type, int size = 0);
  int addLookupColumn(const QString& name, FieldType type, int size, const QString& keyColumn,
                      const MemTable* other, const QString& otherKey, const QString& otherResult);
  void clearColumns();
  int columnCount() const { return int(columns_.size()); }
  const ColumnDef& column(int index) const { return columns_[size_t(index)]; }
  int columnIndex(const QString& name) const;  // case-insensitive, -1 when none
  int columnIndexOrThrow(const QString& name) const;
  QVector<int> dataColumns() const;            // stored columns in column order

  // Open and close. Closing discards every row and keeps the columns.
  bool isOpen() const { return open_; }
  void open();
  void close();

  // Rows by absolute index, in table order, whatever the filter.
  int rowCount() const { return int(rows_.size()); }
  QVariant value(int row, int column) const;
  // Assigns a value (converted and cut to the column's width) and runs the
  // column's change handler. Throws for lookup columns.
  void setValue(int row, int column, const QVariant& value);
  qint64 recId(int row) const { return rows_[size_t(row)].recId; }
  // Appends a row without moving the cursor or starting an insert; used by
  // loaders and copies. Returns the row's index.
  int appendRowRaw();
  // Stores a value (converted and cut like setValue) without running change
  // handlers or notifying views; for loaders and copies. Throws when the
  // value does not convert.
  void setStoredValue(int row, int column, const QVariant& value);

  // The row filter. Visible rows keep table order.
  void setFilter(QVector<int> visibleRows);
  void clearFilter();
  bool isFiltered() const { return filtered_; }
  int visibleCount() const { return filtered_ ? int(visible_.size()) : rowCount(); }
  int visibleRow(int position) const { return filtered_ ? visible_[position] : position; }

  // The cursor over the visible rows.
  void first();
  void last();
  void next();
  bool eof() const;
  bool isEmpty() const { return visibleCount() == 0; }
  int currentRow() const;  // absolute row index, -1 when none
  void moveToRow(int row);  // absolute index; the row must be visible
  State state() const { return state_; }
  void edit();
  void append();  // appends a row, makes it current, state Insert
  void post();

  // Current-row access.
  QVariant fieldValue(int column) const { return value(requireCurrent(), column); }
  QVariant fieldValue(const QString& name) const { return fieldValue(columnIndexOrThrow(name)); }
  void setFieldValue(int column, const QVariant& v);
  void setFieldValue(const QString& name, const QVariant& v) { setFieldValue(columnIndexOrThrow(name), v); }

  // Suspending the views bound to the table. Nested; the last resume tells the
  // views to show the table anew.
  void disableControls();
  void enableControls();
  bool controlsDisabled() const { return disabled_ > 0; }

  void setChangeHandler(int column, ChangeHandler handler);

  // Converts a value to a column's type; nothing when it does not convert.
  // Strings are cut to the column's width in characters; an empty value
  // stays empty.
  static std::optional<QVariant> convertTo(const ColumnDef& column, const QVariant& value);
  // As convertTo, but throws the conversion error for a value that does not
  // convert.
  static QVariant convertOrThrow(const ColumnDef& column, const QVariant& value);
  static QString cutToWidth(const QString& text, int width);

 signals:
  // Fine-grained notifications for item models; not sent while controls are
  // disabled. Row indexes are absolute.
  void rowAppended(int row);
  void valueChanged(int row, int column);
  void currentRowChanged(int row);
  // The structure, the open state, the filter or many rows changed at once.
  void tableReset();

 private:
  struct Row {
    qint64 recId = 0;
    std::vector<QVariant> values;
  };
  int requireCurrent() const;
  void requireClosed(const char* what) const;
  void notifyReset();
  QVariant lookupValue(int row, const ColumnDef& def) const;
  void emitOrDefer(const std::function<void()>& emitter);

  QString name_;
  std::vector<ColumnDef> columns_;
  std::vector<Row> rows_;
  std::vector<ChangeHandler> handlers_;
  QVector<int> visible_;
  bool filtered_ = false;
  bool open_ = false;
  int cursor_ = -1;  // position among the visible rows
  bool eof_ = true;
  State state_ = State::Browse;
  qint64 nextRecId_ = 1;
  int disabled_ = 0;
  bool resetPending_ = false;
};

// Keeps a table's views frozen for a scope, released on every exit.
class ControlsFrozen {
 public:
  explicit ControlsFrozen(MemTable& table) : table_(table) { table_.disableControls(); }
  ~ControlsFrozen() { table_.enableControls(); }
  ControlsFrozen(const ControlsFrozen&) = delete;
  ControlsFrozen& operator=(const ControlsFrozen&) = delete;

 private:
  MemTable& table_;
};

}  // namespace quillora
