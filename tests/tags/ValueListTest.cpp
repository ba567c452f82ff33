// The value list: one line per field with a value, in first-set order.
#include "tags/ValueList.h"
#include "tests/tags/TagsFixture.h"

namespace quillora {
namespace {

TEST(ValueList, ReplacingKeepsTheLinesPlace) {
  ValueList list;
  list.SetFieldValue(7, QStringLiteral("a"));
  list.SetFieldValue(3, QStringLiteral("b"));
  list.SetFieldValue(7, QStringLiteral("c"));
  EXPECT_EQ(list.Lines(), (QStringList{QStringLiteral("7=c"), QStringLiteral("3=b")}));
}

TEST(ValueList, EmptyValueRemovesTheLineOrChangesNothing) {
  ValueList list;
  list.SetFieldValue(5, QString());
  EXPECT_TRUE(list.Lines().isEmpty());
  EXPECT_EQ(list.GetFieldValue(5), QString());
  list.SetFieldValue(1, QStringLiteral("x"));
  list.SetFieldValue(2, QStringLiteral("y"));
  list.SetFieldValue(1, QString());
  EXPECT_EQ(list.Lines(), QStringList{QStringLiteral("2=y")});
}

TEST(ValueList, NamesEndAtTheFirstEqualsSign) {
  ValueList list;
  list.SetFieldValue(1, QStringLiteral("2=x"));
  list.SetFieldValue(2, QStringLiteral("=y="));
  list.SetFieldValue(12, QStringLiteral("z"));
  EXPECT_EQ(list.GetFieldValue(1), QStringLiteral("2=x"));
  EXPECT_EQ(list.GetFieldValue(2), QStringLiteral("=y="));
  EXPECT_EQ(list.GetFieldValue(12), QStringLiteral("z"));
  EXPECT_EQ(list.GetFieldValue(-1), QString());
  EXPECT_EQ(LineName(list.Lines()[1]), QStringLiteral("2"));
  list.Clear();
  EXPECT_TRUE(list.Lines().isEmpty());
}

}  // namespace
}  // namespace quillora
