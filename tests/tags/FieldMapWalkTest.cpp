// Reading and writing walk the field map with its views frozen: the cursor
// moves row by row, but the views hear of it once, at the end.
#include "tests/tags/TagsFixture.h"

#include <functional>

namespace quillora {
namespace {

using FieldMapWalk = TagsFixture;

TEST_F(FieldMapWalk, ViewsAreToldOnceAfterTheWalk) {
  addRows({{31, 1, {}, QStringLiteral("1")}, {33, 1, {}, QStringLiteral("2")}, {82, 1, {}, QStringLiteral("3")}});
  const std::pair<const char*, std::function<void()>> walks[] = {
      {"read", [&] { read(QStringLiteral("/m/a.mp3")); }},
      {"commit", [&] { commit(QStringLiteral("/m/a.mp3")); }},
  };
  for (const auto& [name, walk] : walks) {
    SCOPED_TRACE(name);
    int rowChanges = 0;
    int resets = 0;
    MemTable& map = model.mdFieldsInternal;
    const auto rowConnection = QObject::connect(&map, &MemTable::currentRowChanged, [&] { ++rowChanges; });
    const auto resetConnection = QObject::connect(&map, &MemTable::tableReset, [&] {
      EXPECT_FALSE(map.controlsDisabled());
      ++resets;
    });
    walk();
    EXPECT_EQ(rowChanges, 0);
    EXPECT_GE(resets, 1);
    QObject::disconnect(rowConnection);
    QObject::disconnect(resetConnection);
  }
}

}  // namespace
}  // namespace quillora
