// The tag tests run under a German locale, so the user's decimal separator
// (a comma) differs from the one number formatting writes.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
