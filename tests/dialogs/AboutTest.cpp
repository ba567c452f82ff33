#include "dialogs/About.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(AboutTest, ShowsTheFixedLineAndTheCompiledInVersion) {
  TAbout about;
  EXPECT_EQ(TAbout::ReadVersion(), PROJECT_VERSION);
  EXPECT_EQ(about.windowTitle(), "Quillora");
  EXPECT_EQ(about.size(), QSize(311, 295));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  const auto* label1 = about.findChild<QLabel*>("Label1");
  const auto* version = about.findChild<QLabel*>("Version");
  ASSERT_TRUE(label1 && version);
  EXPECT_EQ(label1->text(), "Version");
  EXPECT_EQ(version->text(), PROJECT_VERSION);
  EXPECT_LT(label1->y(), version->y());
}

}  // namespace
}  // namespace quillora
