#include "app/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/text_file.h"
#include "support/temp_folder.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temp_.path().empty()); }

  [[nodiscard]] fs::path Write(const std::string& contents) const {
    temp_.Write("Test.ini", contents);
    return temp_ / "Test.ini";
  }
  static std::string Read(const fs::path& path) { return ReadWholeFile(path).value_or("<none>"); }

  testing::TempFolder temp_;
};

TEST_F(ProfileFileTest, ReadsWithTheWindowsRules) {
  const ProfileFile file(
      Write("Orphan=before any section\r\n"
            "[Options]\r\n"
            "  Speed =  115  \r\n"
            "speed=second key of the same name\r\n"
            "; Comment=not a key\r\n"
            "NoEquals\r\n"
            "Path=C:\\a=b;c\r\n"
            "Double=\"  padded  \"\r\n"
            "Single='x'\r\n"
            "Unbalanced=\"open\r\n"
            "Mixed=\"x'\r\n"
            "Empty=\r\n"
            "[ options ]\r\n"
            "Late=second section of the same name\r\n"
            "[Other]\r\n"
            "Only=here\n"));
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"OPTIONS", "SPEED", "115"},
      {"Options", "Path", "C:\\a=b;c"},
      {"Options", "Double", "  padded  "},
      {"Options", "Single", "x"},
      {"Options", "Unbalanced", "\"open"},
      {"Options", "Mixed", "\"x'"},
      {"Options", "Empty", ""},
      {"Options", "; Comment", "<default>"},
      {"Options", "NoEquals", "<default>"},
      {"Options", "Orphan", "<default>"},
      {"Options", "Late", "<default>"},
      {"Options", "Only", "<default>"},
      {"Other", "only", "here"},
      {"Missing", "Speed", "<default>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(file.ReadString(c.section, c.key, "<default>"), c.expected)
        << c.section << "/" << c.key;
  }
  EXPECT_EQ(file.KeyCount("options"), 8);
  EXPECT_EQ(file.KeyCount("Other"), 1);
  EXPECT_EQ(file.KeyCount("Missing"), 0);
}

TEST_F(ProfileFileTest, WriteChangesOnlyItsOwnLineAndKeepsTheLineEnds) {
  const std::string before =
      "; settings\n"
      "[Options]\n"
      "Speed = 115\n"
      "LogGPS=0\r\n"
      "\n"
      "; trailing comment\n"
      "[Other]\n"
      "Key=1";
  ProfileFile file(Write(before));
  ASSERT_TRUE(file.WriteString("options", "SPEED", "115"));
  EXPECT_FALSE(file.modified()) << "an unchanged value keeps its line";
  ASSERT_TRUE(file.WriteString("Options", "loggps", "1"));
  ASSERT_TRUE(file.WriteString("Options", "NightColor", "Red"));
  ASSERT_TRUE(file.WriteString("Other", "Added", "2"));
  ASSERT_TRUE(file.WriteString("New", "First", "3"));
  ASSERT_TRUE(file.Save().empty());
  EXPECT_EQ(Read(file.path()),
            "; settings\n"
            "[Options]\n"
            "Speed = 115\n"
            "LogGPS=1\r\n"
            "NightColor=Red\n"
            "\n"
            "; trailing comment\n"
            "[Other]\n"
            "Key=1\n"
            "Added=2\n"
            "[New]\n"
            "First=3\n");
}

TEST_F(ProfileFileTest, NewFileIsWrittenWithCrLfOnlyWhenSomethingChanged) {
  const fs::path path = temp_ / "New.ini";
  ProfileFile file(path);
  ASSERT_TRUE(file.Save().empty());
  EXPECT_FALSE(fs::exists(path));
  ASSERT_TRUE(file.WriteString("MapInfo", "MapScale", "0.0157"));
  ASSERT_TRUE(file.WriteString("MapInfo", "MapRotate", "2"));
  ASSERT_TRUE(file.Save().empty());
  EXPECT_EQ(Read(path), "[MapInfo]\r\nMapScale=0.0157\r\nMapRotate=2\r\n");
}

TEST_F(ProfileFileTest, AwkwardValuesComeBackExactly) {
  const std::string values[] = {
      "  leading and trailing  ",
      "\"quoted\"",
      "'single'",
      "\"",
      "\"\"",
      "a=b ; not a comment",
      std::string(1000, 'x') + "end",  // far beyond the 255 characters of the Windows layer
      "",
  };
  const fs::path path = temp_ / "Values.ini";
  {
    ProfileFile file(path);
    int i = 0;
    for (const std::string& value : values) {
      ASSERT_TRUE(file.WriteString("S", "K" + std::to_string(i++), value));
    }
    ASSERT_TRUE(file.Save().empty());
  }
  const ProfileFile file(path);
  int i = 0;
  for (const std::string& value : values) {
    EXPECT_EQ(file.ReadString("S", "K" + std::to_string(i++), "<default>"), value);
  }
}

TEST_F(ProfileFileTest, NothingCanAddLinesOrKeysThatCannotBeFoundAgain) {
  const std::string before = "[S]\r\nA=1\r\n";
  ProfileFile file(Write(before));
  EXPECT_FALSE(file.WriteString("S", "Item=x", "1"));
  EXPECT_FALSE(file.WriteString("S", "[T]", "1"));
  EXPECT_FALSE(file.WriteString("S", ";x", "1"));
  EXPECT_FALSE(file.WriteString("S", "  ", "1"));
  EXPECT_FALSE(file.WriteString("S]x", "A", "1"));
  EXPECT_FALSE(file.WriteString("", "A", "1"));
  EXPECT_FALSE(file.WriteString("S", "A\nB", "1"));
  EXPECT_EQ(file.Contents(), before);

  ASSERT_TRUE(file.WriteString("S", "A", "one\r\n[T]\nB=2"));
  EXPECT_EQ(file.Contents(), "[S]\r\nA=one  [T] B=2\r\n");
  EXPECT_EQ(file.KeyCount("S"), 1);
  EXPECT_EQ(file.KeyCount("T"), 0);
}

TEST_F(ProfileFileTest, FailedWritesAreReportedAndUnreadableFilesKept) {
  ProfileFile missingFolder(temp_ / "no" / "such" / "folder" / "Kestro.ini");
  ASSERT_TRUE(missingFolder.WriteString("Options", "Speed", "115"));
  EXPECT_NE(missingFolder.Save(), "");

  // A folder in the file's place cannot be read; it must not be replaced.
  const fs::path taken = temp_ / "Taken.ini";
  fs::create_directories(taken / "inside");
  ProfileFile unreadable(taken);
  ASSERT_TRUE(unreadable.WriteString("Options", "Speed", "115"));
  EXPECT_NE(unreadable.Save().find("could not be read"), std::string::npos);
  EXPECT_TRUE(fs::exists(taken / "inside"));
}

TEST_F(ProfileFileTest, SingleCallsLoadAndSaveTheFile) {
  const fs::path path = Write("[MapConfig]\nScale=1\n");
  EXPECT_EQ(WriteProfileString(path, "Series North", "Scale", "0.0157"), "");
  EXPECT_EQ(ReadProfileString(path, "series north", "scale", "0"), "0.0157");
  EXPECT_EQ(ReadProfileString(path, "Series South", "Scale", "0"), "0");
  EXPECT_NE(WriteProfileString(path, "Series North", "Bad=Key", "1"), "");
  EXPECT_EQ(Read(path), "[MapConfig]\nScale=1\n[Series North]\nScale=0.0157\n");
}

}  // namespace
}  // namespace kestro
