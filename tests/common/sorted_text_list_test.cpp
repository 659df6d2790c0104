#include "common/sorted_text_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestro {
namespace {

TEST(SortedTextListTest, KeepsFoldedOrderWithExactTieBreak) {
  SortedTextList list;
  const std::vector<std::string> added = {"b", "ABC", "abc", "Abc", "a", "_x", "ABC"};
  for (const auto& line : added) {
    const size_t at = list.Add(line);
    ASSERT_LT(at, list.size());
    EXPECT_EQ(list[at], line);
  }
  const std::vector<std::string> expected = {"a", "ABC", "ABC", "Abc", "abc", "b", "_x"};
  EXPECT_EQ(list.lines(), expected);
  EXPECT_TRUE(TextListLess("ABC", "abc"));
  EXPECT_FALSE(TextListLess("abc", "ABC"));
  EXPECT_FALSE(TextListLess("abc", "abc"));
}

TEST(SortedTextListTest, ExactLookupAndRemoval) {
  SortedTextList list;
  for (const char* line : {"SFO  12", "sfo  12", "OAK  3", "\311cole"}) list.Add(line);
  EXPECT_EQ(list.IndexOfExact("OAK  3"), 0);
  EXPECT_EQ(list.IndexOfExact("sfo  12"), 2);
  EXPECT_EQ(list.IndexOfExact("SFO  12"), 1);
  EXPECT_EQ(list.IndexOfExact("Sfo  12"), -1);
  EXPECT_EQ(list.IndexOfExact("\311cole"), 3);
  EXPECT_FALSE(list.ContainsExact("OAK 3"));
  list.RemoveAt(0);
  list.RemoveAt(99);
  EXPECT_EQ(list.size(), 3U);
  EXPECT_FALSE(list.ContainsExact("OAK  3"));
  list.Clear();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.IndexOfExact(""), -1);
}

}  // namespace
}  // namespace kestro
