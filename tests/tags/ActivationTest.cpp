// Activation of the tag object: the extension test and when it reads.
#include "fields/Error.h"
#include "tests/tags/TagsFixture.h"

namespace quillora {
namespace {

using Activation = TagsFixture;

TEST_F(Activation, WholeKnownExtensionsReadAndOthersAreUnsupported) {
  const struct {
    const char* name;
    bool supported;
  } cases[] = {
      {"/m/a.mp3", true},      {"/m/b.FLAC", true},     {"/m/tune.M4a", true},
      {"/m/c.wavpack", true},  {"/m/README", false},    {"/m/d.mp", false},
      {"/m/e.mp3x", false},    {"/m/f.", false},        {"/m/my.mp3/track", false},
      {"/m/g.ac", false},
  };
  tag.Texts().SetFieldValue(31, QStringLiteral("kept"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake_engine::Reset();
    const QString name = QString::fromUtf8(c.name);
    tag.setFileNAme(name);
    if (c.supported) {
      tag.setActive(true);
      EXPECT_EQ(fake_engine::Calls(), QStringList{Analyzed(name)});
      tag.Texts().SetFieldValue(31, QStringLiteral("kept"));
    } else {
      try {
        tag.setActive(true);
        ADD_FAILURE() << "no error";
      } catch (const Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unsupported kind"));
      }
      EXPECT_TRUE(fake_engine::Calls().isEmpty());
      EXPECT_EQ(tag.Texts().GetFieldValue(31), QStringLiteral("kept"));
    }
    EXPECT_TRUE(tag.Active());
  }
}

TEST_F(Activation, OnlyAssigningTrueReads) {
  tag.setFileNAme(QStringLiteral("/m/a.mp3"));
  tag.setFileNAme(QStringLiteral("/m/a.mp3"));
  tag.setActive(false);
  EXPECT_FALSE(tag.Active());
  EXPECT_TRUE(fake_engine::Calls().isEmpty());
  tag.setActive(true);
  tag.setActive(true);
  EXPECT_EQ(fake_engine::Calls(), (QStringList{Analyzed("/m/a.mp3"), Analyzed("/m/a.mp3")}));
}

}  // namespace
}  // namespace quillora
