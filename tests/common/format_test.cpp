#include "common/format.h"

#include <gtest/gtest.h>

#include <string>

namespace kestro {
namespace {

// Halves that are exact in binary round to even; others round by their real binary value.
TEST(FormatTest, RoundsLikeTheCLibrary) {
  EXPECT_EQ(Format("%5.1f", 0.25), "  0.2");
  EXPECT_EQ(Format("%5.1f", 0.75), "  0.8");
  EXPECT_EQ(Format("%5.1f", 0.35), "  0.3");  // 0.34999...
  EXPECT_EQ(Format("%5.1f", -2.25), " -2.2");
  EXPECT_EQ(Format("%.0f", 0.5), "0");
  EXPECT_EQ(Format("%.0f", 1.5), "2");
  EXPECT_EQ(Format("%.0f", 2.5), "2");
  EXPECT_EQ(Format("%.2f", 1.005), "1.00");  // 1.00499...
  EXPECT_EQ(Format("$%.2f", 4.125), "$4.12");
  EXPECT_EQ(Format("%.6f", 1.0 / 3), "0.333333");
}

TEST(FormatTest, IntegersTextsAndLongResults) {
  EXPECT_EQ(Format("%.3d", 7), "007");
  EXPECT_EQ(Format("%.3d", 45), "045");
  EXPECT_EQ(Format("%.3d", 360), "360");
  EXPECT_EQ(Format("%4d Ago", 12), "  12 Ago");
  EXPECT_EQ(Format("%-8s : %s", "Name", "Joe"), "Name     : Joe");
  EXPECT_EQ(Format("%s", ""), "");
  const std::string longText(1000, 'x');
  EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
}

}  // namespace
}  // namespace kestro
