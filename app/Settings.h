// The user's settings file Ormu.dat.ini beside the program: the current
// folder, three comma lists, the two picture check boxes and the width of the
// track grid's FileName column. The main window maps AppSettings onto its
// controls.
#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

struct AppSettings {
  QString tracksPath;
  QStringList exceptions;
  QStringList databaseDirs;
  QStringList genreTypes;
  bool pictures = true;
  bool picturesFlag = true;
  int fileNameWidth = 50;
};

// folder + "/Ormu.dat.ini"; the folder is the executable's unless given.
QString SettingsFileName();
QString SettingsFileName(const QString& folder);

// A missing file, section or key gives that setting's default; a key present
// with an empty value reads as empty.
AppSettings ReadSettings(const QString& fileName);

// Writes every key, keeping whatever else the file holds. Throws
// Error("Unable to write to <file>") when the file cannot be written, and
// also when it exists but cannot be read, so that it is never overwritten
// with only the keys known here.
void WriteSettings(const QString& fileName, const AppSettings& settings);

// Comma lists: entries joined by commas without spaces, quoting or escaping.
void SplitCommaList(const QString& text, QStringList& list);
QString JoinCommaList(const QStringList& list);

}  // namespace quillora
