#include "cli/CommandLine.h"
#include "cli/FieldChoice.h"
#include "cli/FolderCommands.h"
#include "cli/FolderSession.h"
#include "commands/BatchUpdate.h"
#include "commands/Commit.h"
#include "commands/FileReport.h"
#include "commands/TrackFiles.h"
#include "fields/TableTsv.h"
#include "tracks/CellText.h"
#include "tracks/FocusedTrack.h"

#include <algorithm>
#include <vector>

namespace quillora::cli {

namespace {

const QString kHelp = QStringLiteral(
    "set: giving fields of every file of a folder one value\n"
    "\n"
    "  quillora-cli set [-r] [--dry-run] FOLDER FIELD=VALUE ...\n"
    "      Loads the folder, gives each FIELD the VALUE in every file whose media type maps\n"
    "      the field, as \"Batch Update\" does, then writes every file as \"Commit Changes\"\n"
    "      does and prints how many files were written. FIELD is a field identifier (31) or\n"
    "      a name from the field catalogue in any letter case (Album, album). A file that\n"
    "      cannot be written is named on standard error with the reason; the others are\n"
    "      still written. --dry-run prints, file by file, the cells that would change (old\n"
    "      and new value) and writes nothing.\n");

// The Tags of the window's "Batch Update" and "Commit Changes" buttons.
constexpr int kBatchTag = 12;
constexpr int kCommitTag = 16;

struct Assignment {
  int fieldId;
  QString value;
};

std::vector<Assignment> parseAssignments(const QStringList& operands, const FieldModel& fields) {
  const int width = fields.mdFieldsInternal.column(fields.fm().InternalBatchValue).size;
  std::vector<Assignment> assignments;
  for (const QString& operand : operands) {
    const qsizetype equals = operand.indexOf(QLatin1Char('='));
    if (equals <= 0) throw UsageError(QStringLiteral("\"%1\" is not FIELD=VALUE").arg(operand));
    const QString value = operand.mid(equals + 1);
    // Batch Update passes over an empty batch value, and would cut a longer one.
    if (value.isEmpty()) throw UsageError(QStringLiteral("%1: a batch value cannot be empty").arg(operand));
    if (value.toUcs4().size() > width)
      throw UsageError(QStringLiteral("%1: a batch value holds at most %2 characters").arg(operand.left(equals)).arg(width));
    assignments.push_back({FieldOfName(fields, operand.left(equals)), value});
  }
  return assignments;
}

// Ticks the field map rows of the field, in every media type that maps it,
// as the user ticks them in the fields panel: shown (the ViewCheck handler
// adds the column), batched, with the value as the row's batch value.
void tickForBatch(FieldModel& fields, const Assignment& assignment) {
  MemTable& map = fields.mdFieldsInternal;
  const FieldMapColumns& fm = fields.fm();
  bool mapped = false;
  for (int row = 0; row < map.rowCount(); ++row) {
    if (map.value(row, fm.FieldID).toInt() != assignment.fieldId) continue;
    map.setValue(row, fm.ViewCheck, true);
    map.setValue(row, fm.BatchCheck, true);
    map.setValue(row, fm.InternalBatchValue, assignment.value);
    mapped = true;
  }
  if (!mapped) throw UsageError(QStringLiteral("no media type maps field %1").arg(assignment.fieldId));
}

// Batch Update once for each media type listed, with the fields panel on
// that media type, as when a file of that type has the focus.
void batchUpdateEachMediaType(FolderSession& session) {
  Workspace& ws = session.ws;
  const MemTable& tracks = ws.tracks.JvMemoryData1;
  std::vector<int> done;
  for (int row = 0; row < tracks.rowCount(); ++row) {
    const QString name = RelativeName(tracks, row);
    const int mediaType = ws.fields.MediaTypeOfFile(name);
    if (std::find(done.begin(), done.end(), mediaType) != done.end()) continue;
    done.push_back(mediaType);
    cxGridMP3FocusedRecordChanged(ws, name);
    btnBatchClick(ws, session.host, kBatchTag);
    for (const HostMessage& message : session.host.takeMessages()) throw UsageError(message.text);
  }
}

using TableValues = std::vector<std::vector<QVariant>>;

TableValues valuesOf(const MemTable& table) {
  TableValues values(size_t(table.rowCount()));
  for (int row = 0; row < table.rowCount(); ++row)
    for (int column = 0; column < table.columnCount(); ++column) values[size_t(row)].push_back(table.value(row, column));
  return values;
}

QString quoted(const ColumnDef& column, const QVariant& value) {
  return QLatin1Char('"') + EscapeTsvText(CellText(column, value)) + QLatin1Char('"');
}

// File by file, each grid column whose cell differs from `before`.
void printChanges(const TrackList& tracks, const TableValues& before) {
  const MemTable& table = tracks.JvMemoryData1;
  QString text;
  int changed = 0;
  for (int row = 0; row < table.rowCount(); ++row) {
    QString lines;
    for (int position = 1; position < tracks.cxGridMP3.count(); ++position) {
      const int field = tracks.fieldOfColumn(position);
      if (field < 0) continue;
      const QVariant& old = before[size_t(row)][size_t(field)];
      const QVariant now = table.value(row, field);
      if (old == now) continue;
      lines += QStringLiteral("\t%1: %2 → %3\n")
                   .arg(tracks.cxGridMP3.at(position).caption, quoted(table.column(field), old),
                        quoted(table.column(field), now));
    }
    if (lines.isEmpty()) continue;
    ++changed;
    text += EscapeTsvText(RelativeName(table, row)) + QLatin1Char('\n') + lines;
  }
  text += QStringLiteral("%1 would change; nothing was written.\n").arg(FileCount(changed));
  WriteOut(text.toUtf8());
}

int run(const QStringList& args) {
  const CommandLine line = ParseCommandLine(args, {QStringLiteral("-r"), QStringLiteral("--dry-run")});
  if (line.operands.size() < 2)
    throw UsageError(QStringLiteral("usage: quillora-cli set [-r] [--dry-run] FOLDER FIELD=VALUE ..."));
  FolderSession session(line.operands[0], line.has("-r"));
  Workspace& ws = session.ws;
  for (const Assignment& assignment : parseAssignments(line.operands.mid(1), ws.fields))
    tickForBatch(ws.fields, assignment);
  const TableValues before = valuesOf(ws.tracks.JvMemoryData1);
  batchUpdateEachMediaType(session);
  if (line.has("--dry-run")) {
    printChanges(ws.tracks, before);
    return session.scanExitCode();
  }
  btnCommitClick(ws, session.host, kCommitTag, false);
  return std::max(session.host.reportMessages(), session.scanExitCode());
}

}  // namespace

CommandGroup SetCommand() { return {QStringLiteral("set"), kHelp, run}; }

}  // namespace quillora::cli
