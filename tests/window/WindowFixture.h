// A main window started with its program folder and the current directory in
// temporary folders, and the helpers the window tests share: album folders
// made of the audio fixtures, the grid's cells by file and field, the fields
// panel's check boxes, and a file's tags read with TagLib directly.
#pragma once

#include "TestWindow.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <utility>

// Test messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '[' << list.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace quillora {

// (fixture in tests/data, name in the folder)
using FolderFiles = std::initializer_list<std::pair<const char*, const char*>>;

inline constexpr int kTitle = 49, kAlbum = 31, kAlbumArtist = 64, kYear = 82, kGenre = 34;

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture();
  ~WindowFixture() override;

  // Creates the window and shows it, as the program does at start.
  void open(const QString& engineLibrary = QStringLiteral(QUILLORA_ENGINE_LIBRARY));
  // Closes the window as its close box does, then destroys it.
  void closeAndDestroy();
  // A folder below the temporary directory holding copies of the fixtures.
  QString makeFolder(const QString& name, FolderFiles files);
  // "Select'n Load" with the chooser answering the folder.
  void selectAndLoad(const QString& folder);

  QString programFile(const QString& name) const { return programDir_.filePath(name); }
  QString workFile(const QString& name) const { return workDir_.filePath(name); }

  // The grid: the displayed row of a file, the column of a field (-1 when
  // it has none), a cell.
  int gridRow(const QString& fileName) const;
  int gridColumn(int fieldId) const;
  QModelIndex cell(const QString& fileName, int fieldId) const;
  QString cellText(const QString& fileName, int fieldId) const;
  bool isBold(const QModelIndex& index) const;
  // Gives a file's row the focus, so the fields panel shows its media type.
  void focus(const QString& fileName);
  // Ticks or clears ViewCheck of a field in the fields panel.
  void tick(int fieldId, bool checked = true);
  // The fields panel's value in a column ("MediaTypeID", ...) at a model row.
  QVariant panelValue(int row, const QString& fieldName) const;

  AnsweredDialogs dialogs;
  std::unique_ptr<TestWindow> window;

 private:
  QTemporaryDir programDir_;
  QTemporaryDir workDir_;
  QString previousDirectory_;
};

// A tag property of a file as TagLib reads it ("ALBUM", "DATE", ...), several
// values joined with " / "; the empty text when the file has none.
QString TagProperty(const QString& file, const char* key);
// True when TagLib finds no tag property at all in the file.
bool HasNoTagProperties(const QString& file);

}  // namespace quillora
