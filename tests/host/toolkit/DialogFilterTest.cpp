#include <gtest/gtest.h>

#include "toolkit/portable/DialogFilter.h"

using namespace std::string_literals;

TEST(DialogFilter, PartsAreNulSeparatedAndTheListDoublyTerminated) {
  EXPECT_EQ(DialogFilterToSystem("*.bat|*.bat"), "*.bat\0*.bat\0\0"s);
  EXPECT_EQ(DialogFilterToSystem("Text|*.txt|All|*.*"), "Text\0*.txt\0All\0*.*\0\0"s);
  // A description without pattern still gives complete pairs.
  EXPECT_EQ(DialogFilterToSystem("Text"), "Text\0\0\0"s);
  EXPECT_EQ(DialogFilterToSystem(""), "\0\0"s);
}
