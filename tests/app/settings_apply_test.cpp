#include "app/settings_apply.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

class ApplySettingsTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& contents) { temp_.Write(name, contents); }

  OptionsTexts Texts() const {
    OptionsTexts t;
    t.DataPath = folder_.string();
    t.Speed = "115";
    t.GPH = "10";
    t.FOB = "50";
    t.StopCost = "20";
    t.RouteRange = "30";
    t.GPSComPort = "3";
    t.GPSBaudRate = "4800";
    return t;
  }

  testing::TempFolder temp_;
  fs::path folder_ = temp_.path();
  SharedState state_;
  testing::RecordingMessages messages_;
};

TEST_F(ApplySettingsTest, LoadsIndexesFboFileAndLogFromTheFolder) {
  Write("NfdcFacilities.NameIndex.txt", "SUS=100\r\nSTL=200\r\n");
  Write("NfdcFacilities.LonIndex.txt", "-90.1=200\r\n-90.6=100\r\n");
  Write("nfdcrunways.idindex.txt", "1234.*A=0\n");  // found without regard to case
  Write("KSFBO.CSV",
        "// prices\r\nSUS,B,,,FS,$5.00,,,01/02/2026\r\n\r\nALN,A,,,FS,$4.00,,,01/02/2026\r\n");
  Write("GPSLOG.TXT", "a\r\nb\r\n");

  const std::string shown = ApplySettings(state_, Texts(), &messages_);

  EXPECT_EQ(shown, folder_.string() + "/");
  EXPECT_EQ(state_.data.DataFolder, shown);
  EXPECT_EQ(state_.data.NameIndex, (std::vector<std::string>{"SUS=100", "STL=200"}));
  EXPECT_EQ(state_.data.LonIndex.size(), 2u);
  EXPECT_EQ(state_.data.RunwayIndex, std::vector<std::string>{"1234.*A=0"});
  // Comments and blank lines are dropped and the rest sorted.
  ASSERT_EQ(state_.data.FBOLines.size(), 2u);
  EXPECT_EQ(state_.data.FBOLines[0].substr(0, 3), "ALN");
  EXPECT_EQ(state_.GPSLogLines.size(), 2u);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ApplySettingsTest, MissingFolderWarnsAndGoesOnKeepingTheIndexes) {
  state_.data.NameIndex = {"OLD=1"};
  OptionsTexts t = Texts();
  t.DataPath = (folder_ / "nowhere").string();
  const std::string shown = ApplySettings(state_, t, &messages_);
  EXPECT_EQ(shown, t.DataPath + "/");
  EXPECT_EQ(messages_.texts("warning"), std::vector<std::string>{"Data Path does not exist."});
  EXPECT_EQ(state_.data.NameIndex, std::vector<std::string>{"OLD=1"});
  EXPECT_TRUE(state_.data.FBOLines.empty());
}

TEST_F(ApplySettingsTest, MissingFboFileIsCreatedEmpty) {
  ApplySettings(state_, Texts(), &messages_);
  EXPECT_TRUE(fs::exists(folder_ / "KSFBO.CSV"));
  EXPECT_EQ(fs::file_size(folder_ / "KSFBO.CSV"), 0u);
}

TEST_F(ApplySettingsTest, NumbersFallBackEachToItsOwnDefault) {
  OptionsTexts t = Texts();
  t.Speed = "fast";
  t.GPH = "10.5";
  t.FOB = "";
  t.StopCost = "0";
  t.RouteRange = "20.5";
  t.GPSComPort = "/dev/ttyUSB0";
  t.GPSBaudRate = "x";
  ApplySettings(state_, t, &messages_);
  const AppliedSettings& s = state_.settings;
  EXPECT_EQ(s.CruiseSpeed, 0);
  EXPECT_EQ(s.FuelBurnGPH, 10.5);
  EXPECT_EQ(s.FuelCapacity, 0);
  EXPECT_EQ(s.StopCostDollars, 0);
  EXPECT_EQ(s.RouteSearchRange, 15);
  EXPECT_EQ(s.GPSPortNumber, 3);
  EXPECT_EQ(s.GPSBaud, 4800);
}

TEST_F(ApplySettingsTest, DataOverrideReplacesThePathForThisRunOnly) {
  OptionsTexts t = Texts();
  t.DataPath = "/somewhere/else";
  const std::string shown = ApplySettings(state_, t, &messages_, folder_.string() + "/");
  EXPECT_EQ(shown, "/somewhere/else/");
  EXPECT_EQ(state_.data.DataFolder, folder_.string() + "/");
  EXPECT_TRUE(messages_.messages.empty());
}

TEST(NormaliseDataFolder, AddsOneTrailingSlashAndKeepsCase) {
  EXPECT_EQ(NormaliseDataFolder("/home/Pilot/Charts"), "/home/Pilot/Charts/");
  EXPECT_EQ(NormaliseDataFolder("/home/Pilot/Charts/"), "/home/Pilot/Charts/");
  EXPECT_EQ(NormaliseDataFolder(""), "/");
}

}  // namespace
}  // namespace kestro
