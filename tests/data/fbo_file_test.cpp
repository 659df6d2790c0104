#include "data/fbo_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/user_messages.h"
#include "data/fbo_fields.h"
#include "support/temp_folder.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Answers confirmations as told and records every message.
class ScriptedMessages : public UserMessages {
 public:
  bool answer = true;
  Lines questions, information, warnings, errors;

  void Information(const std::string& text) override { information.push_back(text); }
  void Warning(const std::string& text) override { warnings.push_back(text); }
  void Error(const std::string& text) override { errors.push_back(text); }
  bool ConfirmOkCancel(const std::string& text) override {
    questions.push_back(text);
    return answer;
  }
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FBOFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(temp_.path().empty());
    store_.DataFolder = temp_.DataFolder();
    store_.messages = &messages_;
  }

  [[nodiscard]] fs::path FilePath() const { return temp_ / "KSFBO.CSV"; }

  testing::TempFolder temp_;
  DataStore store_;
  ScriptedMessages messages_;
};

TEST_F(FBOFileTest, LoadDropsCommentsAndEmptyLinesAndSorts) {
  temp_.Write("KSFBO.CSV",
              "// prices by hand\r\nSFO,b,,,,$5.00\r\n\r\nabc,x,,,,$4.00\nOAK,c\r//x\r\n"
              "ABC,x,,,,$4.10\n /not a comment\nABC,y");
  store_.FBOLines = {"stale"};
  LoadFBOFile(store_);
  const Lines expected = {" /not a comment", "abc,x,,,,$4.00", "ABC,x,,,,$4.10",
                          "ABC,y",           "OAK,c",          "SFO,b,,,,$5.00"};
  EXPECT_EQ(store_.FBOLines, expected);
  EXPECT_TRUE(messages_.errors.empty());

  ASSERT_TRUE(SaveFBOFile(store_));
  EXPECT_EQ(ReadFile(FilePath()),
            " /not a comment\r\nabc,x,,,,$4.00\r\nABC,x,,,,$4.10\r\nABC,y\r\nOAK,c\r\n"
            "SFO,b,,,,$5.00\r\n");
}

TEST_F(FBOFileTest, LoadFindsAFileNamedInAnotherCase) {
  temp_.Write("ksfbo.csv", "SFO,a\n");
  LoadFBOFile(store_);
  EXPECT_EQ(store_.FBOLines, Lines{"SFO,a"});
  EXPECT_FALSE(fs::exists(FilePath()));
}

TEST_F(FBOFileTest, MissingFileGivesEmptyListAndEmptyFile) {
  store_.FBOLines = {"stale"};
  LoadFBOFile(store_);
  EXPECT_TRUE(store_.FBOLines.empty());
  ASSERT_TRUE(fs::is_regular_file(FilePath()));
  EXPECT_EQ(fs::file_size(FilePath()), 0U);
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(FBOFileTest, MissingFolderIsIgnoredOnLoad) {
  store_.DataFolder = (temp_ / "nowhere").string() + "/";
  store_.FBOLines = {"stale"};
  LoadFBOFile(store_);
  EXPECT_TRUE(store_.FBOLines.empty());
  EXPECT_TRUE(messages_.errors.empty());
  EXPECT_FALSE(fs::exists(temp_ / "nowhere"));
}

TEST_F(FBOFileTest, UnreadableFileIsReportedAndNotReplaced) {
  fs::create_directory(FilePath());  // exists, but is no file
  store_.FBOLines = {"stale"};
  LoadFBOFile(store_);
  EXPECT_TRUE(store_.FBOLines.empty());
  ASSERT_EQ(messages_.errors.size(), 1U);
  EXPECT_NE(messages_.errors[0].find("KSFBO.CSV"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(FilePath()));
}

TEST_F(FBOFileTest, RemoveAsksThenRemovesOnlyThatAirport) {
  const Lines lines = {"AB,a", "abc,b", "ABC,c", "ABCD,d", "XYZ,e"};
  struct Case {
    const char* identifier;
    bool answer;
    Lines remaining;
    bool informed;
  };
  const std::vector<Case> cases = {
      {"ABC", false, lines, false},
      {"ABC", true, {"AB,a", "ABCD,d", "XYZ,e"}, true},
      {"xyz", true, {"AB,a", "abc,b", "ABC,c", "ABCD,d"}, true},
      {"AB", true, {"abc,b", "ABC,c", "ABCD,d", "XYZ,e"}, true},
      {"ABCDE", true, lines, false},
  };
  for (const auto& c : cases) {
    ScriptedMessages messages;
    messages.answer = c.answer;
    store_.messages = &messages;
    store_.FBOLines = lines;
    RemoveAirportFBOs(store_, c.identifier);
    const std::string id = c.identifier;
    EXPECT_EQ(store_.FBOLines, c.remaining) << id;
    EXPECT_EQ(messages.questions, Lines{"Remove all FBOs at " + id + "?"}) << id;
    EXPECT_EQ(messages.information,
              c.informed ? Lines{"All FBOs at " + id + " have been removed"} : Lines{})
        << id;
  }
}

TEST_F(FBOFileTest, RemoveWithoutMessagesProceedsAndLeavesFileAndSummaries) {
  temp_.Write("KSFBO.CSV", "ABC,a,,,,$4.00,,,01/02/2024\r\nXYZ,b\r\n");
  LoadFBOFile(store_);
  store_.AirportTable.resize(1);
  store_.AirportTable[0].identifier = "ABC";
  store_.AirportCount = 1;
  RefreshFBOSummaries(store_);
  store_.messages = nullptr;
  RemoveAirportFBOs(store_, "ABC");
  EXPECT_EQ(store_.FBOLines, Lines{"XYZ,b"});
  EXPECT_EQ(store_.AirportTable[0].fboName, "a");
  EXPECT_EQ(ReadFile(FilePath()), "ABC,a,,,,$4.00,,,01/02/2024\r\nXYZ,b\r\n");
}

TEST_F(FBOFileTest, FindRecordMatchesExactlyAndKeepsDollars) {
  store_.FBOLines = {"", "SFO,Air,,,FS,$5.00", "SFO,air,,,AS,$4.00", "SFO,Air,,,SS,$3.00"};
  EXPECT_EQ(FindFBORecord(store_, "SFO", "Air"), 1);
  EXPECT_EQ(store_.FBOFields[kFBOService], "FS");
  EXPECT_EQ(store_.FBOFields[kFBO100LL], "$5.00");
  EXPECT_EQ(FindFBORecord(store_, "SFO", "air"), 2);
  EXPECT_EQ(FindFBORecord(store_, "sfo", "Air"), -1);
  EXPECT_EQ(store_.FBOFields, Lines(kFBOFieldCount));
  store_.FBOLines.clear();
  EXPECT_EQ(FindFBORecord(store_, "", ""), -1);
  EXPECT_EQ(store_.FBOFields, Lines(kFBOFieldCount));
}

CapturedFBO Captured(const char* service, const char* price) {
  CapturedFBO captured;
  captured.service = service;
  captured.price100LL = price;
  captured.priceJetA = "$6.00";
  captured.date = "02/03/2024";
  return captured;
}

TEST_F(FBOFileTest, MergeAddsNewRecordsAtTheEnd) {
  store_.FBOLines = {"ZZZ,z"};
  CapturedFBO captured = Captured("FS", "$5.25");
  captured.contact = "555-1212, www.joe.example";
  captured.comment = "Say \"hi\"";
  MergeFBORecord(store_, "ABC", "Joe Air", captured);
  const Lines expected = {
      "ZZZ,z",
      R"(ABC,"Joe Air","555-1212, www.joe.example","Say ""hi""",FS,$5.25,$6.00,,02/03/2024)"};
  EXPECT_EQ(store_.FBOLines, expected);
}

TEST_F(FBOFileTest, MergeReplacesTheFirstExactRecordKeepingServiceContactComment) {
  store_.FBOLines = {"ABC,Air,phone,quiet,FS,$4.00,,$3.00,01/01/2024", "ABC,Air,second,,SS",
                     "abc,Air,lower,,AS", "ABC,Other,,,PS"};
  MergeFBORecord(store_, "ABC", "Air", Captured("RA", "$4.50"));
  const Lines afterLocal = {"ABC,Air,second,,SS", "abc,Air,lower,,AS", "ABC,Other,,,PS",
                            "ABC,Air,phone,quiet,FS,$4.50,$6.00,,02/03/2024"};
  EXPECT_EQ(store_.FBOLines, afterLocal);

  CapturedFBO page = Captured("RA", "");
  page.contact = "";
  page.comment = "No info";
  MergeFBORecord(store_, "abc", "Air", page);
  EXPECT_EQ(store_.FBOLines.back(), R"(abc,Air,,"No info",AS,,$6.00,,02/03/2024)");
  EXPECT_EQ(store_.FBOLines.size(), 4U);
}

TEST_F(FBOFileTest, MergeOfLowerCaseLocationAddsARecord) {
  store_.FBOLines = {"SFO,Air,,,FS,$4.00"};
  MergeFBORecord(store_, "sfo", "Air", Captured("AS", "$5.00"));
  EXPECT_EQ(store_.FBOLines, (Lines{"SFO,Air,,,FS,$4.00", "sfo,Air,,,AS,$5.00,$6.00,,02/03/2024"}));
}

TEST_F(FBOFileTest, MergeKeepsCapturedLineBreaksOutOfTheFile) {
  CapturedFBO captured = Captured("FS", "$5.00");
  captured.contact = "555-1212\r\n[web site]";
  MergeFBORecord(store_, "ABC", "Air\nLine", captured);
  MergeFBORecord(store_, "ABC", "Air\nLine", captured);
  ASSERT_TRUE(SaveFBOFile(store_));
  LoadFBOFile(store_);
  ASSERT_EQ(store_.FBOLines.size(), 1U);
  SplitFBOLine(store_.FBOLines[0], store_.FBOFields);
  EXPECT_EQ(store_.FBOFields[kFBOName], "Air Line");
  EXPECT_EQ(store_.FBOFields[kFBOContact], "555-1212  [web site]");
}

TEST_F(FBOFileTest, SavingACaptureTwiceReplacesAndRefreshesSummaries) {
  temp_.Write("KSFBO.CSV", "// old\r\nXYZ,b,,,,$3.00\r\n");
  LoadFBOFile(store_);
  store_.AirportTable.resize(2);
  store_.AirportTable[0].identifier = "ABC";
  store_.AirportTable[1].identifier = "XYZ";
  store_.AirportCount = 2;
  for (int round = 0; round < 2; ++round) {
    MergeFBORecord(store_, "ABC", "Joe Air", Captured("FS", "$5.25"));
    ASSERT_TRUE(SaveFBOFile(store_));
  }
  EXPECT_EQ(ReadFile(FilePath()),
            "ABC,\"Joe Air\",,,FS,$5.25,$6.00,,02/03/2024\r\nXYZ,b,,,,$3.00\r\n");
  EXPECT_EQ(store_.AirportTable[0].fboName, "Joe Air");
  EXPECT_DOUBLE_EQ(store_.AirportTable[0].price100LL, 5.25);
  EXPECT_DOUBLE_EQ(store_.AirportTable[1].price100LL, 3.00);
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(FBOFileTest, FailedSaveIsReportedAndKeepsTheMergedRecords) {
  store_.DataFolder = (temp_ / "gone").string() + "/";
  store_.FBOLines = {"XYZ,b"};
  store_.AirportTable.resize(1);
  store_.AirportTable[0].identifier = "ABC";
  store_.AirportTable[0].fboName = "before";
  store_.AirportCount = 1;
  MergeFBORecord(store_, "ABC", "Joe", Captured("FS", "$5.25"));
  EXPECT_FALSE(SaveFBOFile(store_));
  EXPECT_EQ(store_.FBOLines, (Lines{"ABC,Joe,,,FS,$5.25,$6.00,,02/03/2024", "XYZ,b"}));
  ASSERT_EQ(messages_.errors.size(), 1U);
  EXPECT_NE(messages_.errors[0].find("KSFBO.CSV"), std::string::npos) << messages_.errors[0];
  EXPECT_EQ(store_.AirportTable[0].fboName, "before");
  EXPECT_FALSE(fs::exists(temp_ / "gone"));
}

}  // namespace
}  // namespace kestro
