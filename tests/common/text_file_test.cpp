#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace kestro {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFileTest, SplitsAtEveryKindOfLineEnd) {
  struct Case {
    std::string contents;
    Lines lines;
  };
  const std::vector<Case> cases = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR are two line ends
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {"", {}},
      {"only", {"only"}},
      {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitTextLines(c.contents), c.lines) << c.contents;
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLinesCrLf({}), "");
}

class TextFileFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temp_.path().empty()); }
  testing::TempFolder temp_;
};

TEST_F(TextFileFolderTest, ReadsLinesOrNothing) {
  temp_.Write("GPSLOG.TXT", "one\r\ntwo\rthree");
  EXPECT_EQ(ReadTextLines(temp_ / "GPSLOG.TXT"), (Lines{"one", "two", "three"}));
  EXPECT_EQ(ReadWholeFile(temp_ / "GPSLOG.TXT"), "one\r\ntwo\rthree");
  EXPECT_EQ(ReadTextLines(temp_ / "missing.txt"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(temp_ / "missing.txt"), std::nullopt);
}

TEST_F(TextFileFolderTest, ResolvesFileNamesExactFirstThenIgnoringCase) {
  temp_.Write("ksfbo.csv", "");
  temp_.Write("MapConfig.INI", "");
  temp_.Write("Both.txt", "");
  temp_.Write("BOTH.TXT", "");
  EXPECT_EQ(ResolveFileName(temp_.path(), "KSFBO.CSV"), temp_ / "ksfbo.csv");
  EXPECT_EQ(ResolveFileName(temp_.path(), "MapConfig.ini"), temp_ / "MapConfig.INI");
  EXPECT_EQ(ResolveFileName(temp_.path(), "BOTH.TXT"), temp_ / "BOTH.TXT");
  EXPECT_EQ(ResolveFileName(temp_.path(), "Both.txt"), temp_ / "Both.txt");
  EXPECT_EQ(ResolveFileName(temp_.path(), "GPSLOG.TXT"), temp_ / "GPSLOG.TXT");
  EXPECT_EQ(ResolveFileName(temp_ / "nowhere", "KSFBO.CSV"), temp_ / "nowhere" / "KSFBO.CSV");
}

}  // namespace
}  // namespace kestro
