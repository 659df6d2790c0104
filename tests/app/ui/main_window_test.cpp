// The main and options windows, driven as a pilot would: settings files on disk, typing into
// the fields, reading the read-outs.
#include "app/ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/profile_file.h"
#include "app/ui/options_window.h"
#include "app/ui/window_fixture.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;
using testing::kSampleData;

using MainWindowTest = testing::WindowTest;

TEST_F(MainWindowTest, StartsWithItsCaptionButtonsAndReadouts) {
  EXPECT_EQ(main_.windowTitle(), "Kestro");
  EXPECT_EQ(main_.HdgLabel->text(), "");  // the empty TO field resolved once at start
  EXPECT_FALSE(main_.FuelBtn->isEnabled());
  EXPECT_FALSE(main_.RouteBtn->isEnabled());
  EXPECT_FALSE(main_.PrintBtn->isEnabled());
  EXPECT_FALSE(main_.DstMapBtn->isEnabled());
  EXPECT_EQ(main_.FuelBtn->toolTip(), "Fuel Enroute");
  EXPECT_EQ(main_.RouteBtn->toolTip(), "Show Enroute Airports");
  EXPECT_EQ(main_.state().settings.RouteSearchRange, 15);
  EXPECT_EQ(main_.state().settings.GPSBaud, 4800);
}

TEST_F(MainWindowTest, FirstRunWelcomesAndWritesTheDefaults) {
  TOptions options(main_, settings_);
  EXPECT_FALSE(options.SettingsExisted());
  ASSERT_EQ(messages_.texts("information").size(), 1u);
  EXPECT_EQ(messages_.texts("information")[0].rfind("Welcome to Kestro!\n\n", 0), 0u);
  const ProfileFile written(settings_);
  EXPECT_EQ(written.ReadString("Options", "Speed", ""), "115");
  EXPECT_EQ(written.ReadString("Options", "NightColor", ""), "Blue");
  EXPECT_EQ(written.ReadString("Options", "RouteRange", ""), "30");
  // The defaults are not applied until the pilot confirms the window.
  EXPECT_EQ(main_.state().settings.CruiseSpeed, 0);
}

TEST_F(MainWindowTest, TwoKeysStillCountAsAFirstRunButKeepTheDataPath) {
  std::ofstream(settings_, std::ios::binary) << "[Options]\r\nDataPath=/tmp/x/\r\nSpeed=99\r\n";
  TOptions options(main_, settings_);
  EXPECT_FALSE(options.SettingsExisted());
  EXPECT_EQ(options.DataPath->text(), "/tmp/x/");
  EXPECT_EQ(ProfileFile(settings_).ReadString("Options", "Speed", ""), "115");
}

TEST_F(MainWindowTest, SavedSettingsAreAppliedAndTheHomeAirportResolvesFrom) {
  WriteSettings("HomeAirport=SUS\r\n");
  TOptions options(main_, settings_);
  EXPECT_TRUE(options.SettingsExisted());
  EXPECT_EQ(main_.state().settings.CruiseSpeed, 120);
  EXPECT_EQ(main_.state().data.DataFolder, kSampleData);
  EXPECT_EQ(main_.FromEdit->text(), "SUS");
  EXPECT_EQ(main_.state().leg.FromId, "SUS");
  EXPECT_TRUE(main_.DepMapBtn->isEnabled());
  // Keys the file lacks load as "Entry"; the edit then reads as no number.
  EXPECT_EQ(options.StopCost->text(), "Entry");
  EXPECT_EQ(main_.state().settings.StopCostDollars, 0);
}

TEST_F(MainWindowTest, TypingBothEndsShowsTheLegAndClearingToEmptiesIt) {
  WriteSettings("HomeAirport=SUS\r\n");
  TOptions options(main_, settings_);
  QTest::keyClicks(main_.ToEdit, "stl");
  EXPECT_EQ(main_.ToEdit->text(), "STL");
  EXPECT_EQ(main_.state().leg.ToId, "STL");
  EXPECT_FALSE(main_.HdgLabel->text().isEmpty());
  EXPECT_TRUE(main_.DistLabel->text().endsWith(" NM"));
  EXPECT_TRUE(main_.FuelBtn->isEnabled());
  EXPECT_TRUE(main_.RouteBtn->isEnabled());
  EXPECT_TRUE(main_.PrintBtn->isEnabled());
  EXPECT_TRUE(main_.DstMapBtn->isEnabled());

  main_.ToEdit->clear();
  EXPECT_TRUE(main_.HdgLabel->text().isEmpty());
  EXPECT_TRUE(main_.TimeLabel->text().isEmpty());
  EXPECT_FALSE(main_.FuelBtn->isEnabled());
  EXPECT_FALSE(main_.DstMapBtn->isEnabled());
  EXPECT_TRUE(main_.state().leg.ToId.empty());
  EXPECT_EQ(main_.state().leg.FromId, "SUS");
}

TEST_F(MainWindowTest, PartialIdentifiersDoNotResolve) {
  WriteSettings("HomeAirport=SUS\r\n");
  TOptions options(main_, settings_);
  QTest::keyClicks(main_.ToEdit, "S");
  EXPECT_TRUE(main_.state().leg.ToId.empty());
  EXPECT_FALSE(main_.FuelBtn->isEnabled());
}

TEST_F(MainWindowTest, OkAppliesAChangedSpeedAndItSurvivesARestart) {
  WriteSettings("HomeAirport=SUS\r\n");
  {
    TOptions options(main_, settings_);
    options.Speed->setText("140");
    options.accept();
    EXPECT_EQ(main_.state().settings.CruiseSpeed, 140);
  }
  TMain second;
  second.setMessages(&messages_);
  TOptions again(second, settings_);
  EXPECT_EQ(again.Speed->text(), "140");
  EXPECT_EQ(second.state().settings.CruiseSpeed, 140);
}

TEST_F(MainWindowTest, ClosingWithoutOkKeepsTheAppliedSpeedButSavesTheText) {
  WriteSettings("");
  {
    TOptions options(main_, settings_);
    options.Speed->setText("150");
    options.reject();
    EXPECT_EQ(main_.state().settings.CruiseSpeed, 120);
  }
  EXPECT_EQ(ProfileFile(settings_).ReadString("Options", "Speed", ""), "150");
}

TEST_F(MainWindowTest, MissingDataPathWarnsAndGoesOn) {
  std::ofstream(settings_, std::ios::binary)
      << "[Options]\r\nDataPath=" << (folder_ / "missing").string() << "\r\nSpeed=120\r\nGPH=9\r\n";
  TOptions options(main_, settings_);
  EXPECT_EQ(messages_.texts("warning"), std::vector<std::string>{"Data Path does not exist."});
  EXPECT_EQ(main_.state().settings.CruiseSpeed, 120);
}

TEST_F(MainWindowTest, ShiftTimeThatIsNotANumberStopsLoadingAndLeavesFromEmpty) {
  WriteSettings("HomeAirport=SUS\r\nShiftTime=two\r\n");
  TOptions options(main_, settings_);
  EXPECT_EQ(messages_.texts("error").size(), 1u);
  EXPECT_EQ(main_.state().settings.CruiseSpeed, 0);
  EXPECT_TRUE(main_.FromEdit->text().isEmpty());
}

TEST_F(MainWindowTest, ConfigurationMenuOffersMapOnceUnlocked) {
  EXPECT_EQ(main_.currentConfigMenu()->actions().size(), 3);
  main_.state().ChartMenuUnlocked = true;
  main_.ConfigBtn->click();
  main_.currentConfigMenu()->hide();
  ASSERT_EQ(main_.currentConfigMenu()->actions().size(), 4);
  EXPECT_EQ(main_.currentConfigMenu()->actions()[1]->text(), "Map");
}

}  // namespace
}  // namespace kestro
