#include "cli/FieldMapCommands.h"

#include "fields/DefaultFieldData.h"
#include "fields/FieldModel.h"
#include "fields/MemTableFile.h"
#include "fields/TableTsv.h"

#include <QFile>

namespace quillora::cli {

namespace {

const QString kHelp = QStringLiteral(
    "fieldmap: the field map (FieldsInternal.dat) and the field catalogue (FieldsInternal.dtt)\n"
    "\n"
    "  quillora-cli fieldmap dump FILE\n"
    "      Prints any memory-table file as TSV: a header line of the stored column names in\n"
    "      file order, then one line per record. Integers are decimal, Booleans True or False,\n"
    "      texts as they are with backslash, tab, CR and LF written as \\\\, \\t, \\r and \\n;\n"
    "      an empty value is an empty field.\n"
    "\n"
    "  quillora-cli fieldmap dump --kind fieldmap|catalogue FILE\n"
    "      Loads FILE into the program's own field map or catalogue, as the program does at\n"
    "      start, and prints that table's stored columns the same way: texts cut to the\n"
    "      column widths, unknown columns dropped, missing columns empty.\n"
    "\n"
    "  quillora-cli fieldmap build --kind fieldmap|catalogue TSV OUT\n"
    "      Reads TSV in the form dump prints (its header names the columns, in any order)\n"
    "      and writes the memory-table file OUT. An empty field is an empty value. A\n"
    "      malformed line fails with its line number and nothing is written.\n"
    "\n"
    "  quillora-cli fieldmap default --kind fieldmap|catalogue OUT\n"
    "      Writes the field map or catalogue built into the program to the file OUT.\n");

struct Arguments {
  QString kind;
  QStringList files;
};

Arguments parse(const QStringList& args) {
  Arguments parsed;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--kind")) {
      if (++i == args.size()) throw UsageError(QStringLiteral("--kind needs fieldmap or catalogue"));
      parsed.kind = args[i];
    } else if (arg.startsWith(QLatin1String("--kind="))) {
      parsed.kind = arg.mid(7);
    } else if (arg.startsWith(QLatin1String("--"))) {
      throw UsageError(QStringLiteral("unknown option %1").arg(arg));
    } else {
      parsed.files.append(arg);
    }
  }
  return parsed;
}

void requireFiles(const Arguments& args, qsizetype count, const char* command) {
  if (args.files.size() != count)
    throw UsageError(QStringLiteral("fieldmap %1 takes %2 file name(s), %3 given")
                         .arg(QLatin1String(command)).arg(count).arg(args.files.size()));
}

// The table of the program's own field model that a --kind names.
MemTable& tableOfKind(FieldModel& model, const QString& kind) {
  if (kind == QLatin1String("fieldmap")) return model.mdFieldsInternal;
  if (kind == QLatin1String("catalogue")) return model.mdFields;
  if (kind.isEmpty()) throw UsageError(QStringLiteral("this command needs --kind fieldmap|catalogue"));
  throw UsageError(QStringLiteral("unknown kind \"%1\" (fieldmap or catalogue)").arg(kind));
}

QByteArray defaultFileOfKind(const QString& kind) {
  return kind == QLatin1String("fieldmap") ? DefaultFieldMapFile() : DefaultCatalogueFile();
}

QByteArray readFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw Error(QStringLiteral("%1: cannot read the file (%2)").arg(fileName, file.errorString()));
  return file.readAll();
}

int dump(const Arguments& args) {
  requireFiles(args, 1, "dump");
  const QString& file = args.files[0];
  if (args.kind.isEmpty()) {
    WriteOut(FormatTsv(TsvOfStream(ParseMemTableStream(readFile(file), file))));
    return 0;
  }
  FieldModel model;
  MemTable& table = tableOfKind(model, args.kind);
  LoadMemTable(table, file);
  WriteOut(FormatTsv(TsvOfTable(table)));
  return 0;
}

int build(const Arguments& args) {
  requireFiles(args, 2, "build");
  FieldModel model;
  MemTable& table = tableOfKind(model, args.kind);
  ReadTsvIntoTable(table, readFile(args.files[0]), args.files[0]);
  SaveMemTable(table, args.files[1]);
  return 0;
}

int writeDefault(const Arguments& args) {
  requireFiles(args, 1, "default");
  FieldModel model;
  MemTable& table = tableOfKind(model, args.kind);
  ReadMemTableStream(table, defaultFileOfKind(args.kind), QStringLiteral("built-in ") + args.kind);
  SaveMemTable(table, args.files[0]);
  return 0;
}

int run(const QStringList& args) {
  if (args.isEmpty()) throw UsageError(QStringLiteral("fieldmap needs a command: dump, build or default"));
  const QString command = args.first();
  const Arguments parsed = parse(args.mid(1));
  if (command == QLatin1String("dump")) return dump(parsed);
  if (command == QLatin1String("build")) return build(parsed);
  if (command == QLatin1String("default")) return writeDefault(parsed);
  throw UsageError(QStringLiteral("unknown fieldmap command \"%1\"").arg(command));
}

}  // namespace

CommandGroup FieldMapCommands() { return {QStringLiteral("fieldmap"), kHelp, run}; }

}  // namespace quillora::cli
