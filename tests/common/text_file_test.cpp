#include "common/text_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>  // mkdtemp

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kestro {
namespace {

namespace fs = std::filesystem;
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

class TextFileFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kestro-text-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }
  void Write(const std::string& name, const std::string& contents) const {
    std::ofstream(folder_ / name, std::ios::binary) << contents;
  }
  fs::path folder_;
};

TEST_F(TextFileFolderTest, ReadsLinesOrNothing) {
  Write("GPSLOG.TXT", "one\r\ntwo\rthree");
  EXPECT_EQ(ReadTextLines(folder_ / "GPSLOG.TXT"), (Lines{"one", "two", "three"}));
  EXPECT_EQ(ReadWholeFile(folder_ / "GPSLOG.TXT"), "one\r\ntwo\rthree");
  EXPECT_EQ(ReadTextLines(folder_ / "missing.txt"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(folder_ / "missing.txt"), std::nullopt);
}

TEST_F(TextFileFolderTest, ResolvesFileNamesExactFirstThenIgnoringCase) {
  Write("ksfbo.csv", "");
  Write("MapConfig.INI", "");
  Write("Both.txt", "");
  Write("BOTH.TXT", "");
  EXPECT_EQ(ResolveFileName(folder_, "KSFBO.CSV"), folder_ / "ksfbo.csv");
  EXPECT_EQ(ResolveFileName(folder_, "MapConfig.ini"), folder_ / "MapConfig.INI");
  EXPECT_EQ(ResolveFileName(folder_, "BOTH.TXT"), folder_ / "BOTH.TXT");
  EXPECT_EQ(ResolveFileName(folder_, "Both.txt"), folder_ / "Both.txt");
  EXPECT_EQ(ResolveFileName(folder_, "GPSLOG.TXT"), folder_ / "GPSLOG.TXT");
  EXPECT_EQ(ResolveFileName(folder_ / "nowhere", "KSFBO.CSV"), folder_ / "nowhere" / "KSFBO.CSV");
}

}  // namespace
}  // namespace kestro
