// A field model with an open, empty field map and a tag object on the fake
// engine, whose record starts empty.
#pragma once

#include "fields/FieldModel.h"
#include "tags/TMetaTag.h"
#include "tests/tags/FakeEngine.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace quillora {

// One field map row, as the tests write it.
struct MapRow {
  int fieldId;
  int mediaType;
  QString fieldMediaId;       // item number text
  QString fieldMediaIdValue;  // key text
  bool viewCheck = true;
};

class TagsFixture : public ::testing::Test {
 protected:
  TagsFixture();

  void addRows(std::initializer_list<MapRow> rows);
  // Reads the file through the tag object's activation.
  void read(const QString& fileName);
  SaveResult commit(const QString& fileName);

  FieldModel model;
  TMetaTag tag{model, QStringLiteral(QUILLORA_FAKE_ENGINE)};
};

// The engine's record of an analysis of the file.
QString Analyzed(const QString& fileName);

}  // namespace quillora
