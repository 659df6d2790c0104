#include "common/ascii_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestro {
namespace {

int Sign(int value) {
  return (value > 0) - (value < 0);
}

TEST(AsciiCaseTest, CompareFoldsOnlyAsciiLetters) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const std::vector<Case> cases = {
      {"abc", "ABC", 0},   {"", "", 0},           {"ABC", "abd", -1},
      {"abc", "ABCD", -1}, {"ABC,x", "ABCD", -1},  // ',' sorts before letters
      {"_", "a", 1},                               // '_' (95) lies between 'Z' (90) and 'a' (97)
      {"\xE9", "\xC9", 1},                         // bytes above 127 are not folded
      {"\xE9", "z", 1},                            // and compare as unsigned
      {"a\x01", "a", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(CompareTextFolded(c.a, c.b)), c.sign) << c.a << " / " << c.b;
    EXPECT_EQ(Sign(CompareTextFolded(c.b, c.a)), -c.sign) << c.b << " / " << c.a;
    EXPECT_EQ(SameTextFolded(c.a, c.b), c.sign == 0) << c.a << " / " << c.b;
  }
}

TEST(AsciiCaseTest, PrefixUpperAndTrim) {
  EXPECT_TRUE(StartsWithFolded("KSFBO.csv", "ksfbo"));
  EXPECT_TRUE(StartsWithFolded("abc", ""));
  EXPECT_FALSE(StartsWithFolded("ab", "abc"));
  EXPECT_FALSE(StartsWithFolded("\xE9t\xE9", "\xC9"));
  EXPECT_EQ(ToUpperAscii("sfo-\xE9z1"), "SFO-\xE9Z1");
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is text
}

}  // namespace
}  // namespace kestro
