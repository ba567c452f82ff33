#include "cli/CommandLine.h"
#include "cli/FolderCommands.h"
#include "cli/FolderSession.h"
#include "fields/TableTsv.h"
#include "tracks/TrackTableModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quillora::cli {

namespace {

const QString kHelp = QStringLiteral(
    "list: the track grid of a folder\n"
    "\n"
    "  quillora-cli list [-r] [--json] FOLDER\n"
    "      Loads the folder as \"Refresh\" does (-r: with its subfolders, as \"Include\n"
    "      Subdirectories\") and prints the track grid as TSV: a header of the column\n"
    "      captions, then one line per file with its relative name and its values, escaped as\n"
    "      fieldmap dump escapes them. --json prints an array of objects instead, one per file\n"
    "      in the track table's order, keyed \"FileName\" and \"Field\" followed by the field\n"
    "      identifier.\n");

// The grid's shown columns and cells, as the window's model gives them.
QByteArray gridAsTsv(TrackList& tracks) {
  const TrackTableModel model(tracks);
  QVector<int> shown;
  TsvTable tsv;
  for (int column = 0; column < model.columnCount(); ++column) {
    if (!tracks.cxGridMP3.at(column).visible) continue;
    shown << column;
    tsv.columns.append({model.headerData(column, Qt::Horizontal).toString(), FieldType::String});
  }
  for (int row = 0; row < model.rowCount(); ++row) {
    QVector<QVariant> cells;
    for (int column : shown) cells << model.index(row, column).data();
    tsv.rows.push_back(cells);
  }
  return FormatTsv(tsv);
}

QByteArray tableAsJson(const MemTable& tracks) {
  QJsonArray rows;
  for (int row = 0; row < tracks.rowCount(); ++row) {
    QJsonObject object;
    for (int column : tracks.dataColumns())
      object.insert(tracks.column(column).name, QJsonValue::fromVariant(tracks.value(row, column)));
    rows.append(object);
  }
  return QJsonDocument(rows).toJson();
}

int run(const QStringList& args) {
  const CommandLine line = ParseCommandLine(args, {QStringLiteral("-r"), QStringLiteral("--json")});
  RequireOperands(line, 1, "list [-r] [--json] FOLDER");
  FolderSession session(line.operands[0], line.has("-r"));
  TrackList& tracks = session.ws.tracks;
  WriteOut(line.has("--json") ? tableAsJson(tracks.JvMemoryData1) : gridAsTsv(tracks));
  return session.scanExitCode();
}

}  // namespace

CommandGroup ListCommand() { return {QStringLiteral("list"), kHelp, run}; }

}  // namespace quillora::cli
