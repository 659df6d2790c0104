// The report window on the sample data, as a pilot uses it from the main window.
#include "planning/ui/fuel_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sstream>

#include "app/cli/cli_app.h"
#include "app/ui/options_window.h"
#include "app/ui/window_fixture.h"
#include "common/text_file.h"
#include "planning/report_line.h"

namespace kestro {
namespace {

class FuelFormTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteSettings("HomeAirport=SUS\r\nStopCost=20\r\nRouteRange=15\r\n");
    options_ = std::make_unique<TOptions>(main_, settings_);
    report_ = std::make_unique<TFuelForm>(main_.state(), main_.legEditor(), main_.messages(),
                                          options_->GPH->text());
    main_.attachReport(report_.get());
    QTest::keyClicks(main_.ToEdit, "IND");
    ASSERT_TRUE(main_.state().leg.IsValid());
  }

  QStringList Lines(const QListWidget* list) const {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }

  std::unique_ptr<TOptions> options_;
  std::unique_ptr<TFuelForm> report_;
};

TEST_F(FuelFormTest, FuelEnrouteListsPricedAirportsByDistanceAndSelectsTheCheapest) {
  main_.FuelBtn->click();
  EXPECT_EQ(report_->windowTitle(), "Fuel Report");
  const QStringList lines = Lines(report_->FuelList);
  ASSERT_GE(lines.size(), 3);
  QStringList sorted = lines;
  sorted.sort();
  EXPECT_EQ(lines, sorted);
  for (const QString& line : lines)
    EXPECT_EQ(line.mid(9, 1), QStringLiteral("$")) << line.toStdString();
  // The selected line carries the lowest price of the list.
  ASSERT_NE(report_->FuelList->currentItem(), nullptr);
  const auto price = [](const QString& line) { return *ReportLinePriceValue(line.toStdString()); };
  const float selected = price(report_->FuelList->currentItem()->text());
  for (const QString& line : lines) EXPECT_LE(selected, price(line));
  EXPECT_FALSE(report_->FuelPanel->isHidden());
  EXPECT_TRUE(report_->ProgressPanel->isHidden());
  EXPECT_TRUE(main_.FuelBtn->isEnabled());
  EXPECT_EQ(report_->LandFuelEdit->text(), "9");
}

TEST_F(FuelFormTest, CommandLinePrintsTheSameLinesAsTheWindow) {
  for (const char* mode : {"fuel", "route"}) {
    (std::string(mode) == "fuel" ? main_.FuelBtn : main_.RouteBtn)->click();
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> arguments{mode, "SUS", "IND", "--settings", settings_.string()};
    ASSERT_EQ(cli::RunCli(arguments, out, err), 0) << err.str();
    std::vector<std::string> printed = SplitTextLines(out.str());
    if (std::string(mode) == "fuel") {
      ASSERT_FALSE(printed.empty());
      EXPECT_EQ(printed.back(), "best: " + report_->FuelList->currentItem()->text().toStdString());
      printed.pop_back();
    }
    std::vector<std::string> shown;
    for (const QString& line : Lines(report_->FuelList)) shown.push_back(line.toStdString());
    EXPECT_EQ(printed, shown) << mode;
  }
}

TEST_F(FuelFormTest, RouteReportListsMoreAirportsWithoutThePanel) {
  main_.FuelBtn->click();
  const qsizetype fuelLines = report_->FuelList->count();
  main_.RouteBtn->click();
  EXPECT_EQ(report_->windowTitle(), "Route Report");
  EXPECT_GT(report_->FuelList->count(), fuelLines);
  EXPECT_TRUE(report_->FuelPanel->isHidden());
  EXPECT_EQ(report_->FuelList->item(0)->text().mid(4, 7), QStringLiteral(" NM   +"));
}

TEST_F(FuelFormTest, FromAndToTakeTheSelectedIdentifierOrEmptyTheField) {
  main_.RouteBtn->click();
  report_->FuelList->setCurrentRow(1);
  const QString id = report_->selectedIdentifier();
  ASSERT_FALSE(id.isEmpty());
  report_->ToItem->trigger();
  EXPECT_EQ(main_.ToEdit->text(), id);
  EXPECT_EQ(main_.state().leg.ToId, id.toStdString());
  // Re-planning the leg hides the report.
  EXPECT_TRUE(report_->isHidden());

  report_->FuelList->clearSelection();
  report_->FromItem->trigger();
  EXPECT_TRUE(main_.FromEdit->text().isEmpty());
  EXPECT_FALSE(main_.FuelBtn->isEnabled());
}

TEST_F(FuelFormTest, RemoveFboAsksRemovesAndConfirms) {
  main_.FuelBtn->click();
  report_->FuelList->setCurrentRow(0);
  const std::string id = report_->selectedIdentifier().toStdString();
  const size_t before = main_.state().data.FBOLines.size();
  messages_.answers = {false};
  report_->RemoveFBOItem->trigger();
  EXPECT_EQ(main_.state().data.FBOLines.size(), before);
  report_->RemoveFBOItem->trigger();
  EXPECT_LT(main_.state().data.FBOLines.size(), before);
  EXPECT_EQ(messages_.texts("confirm").back(), "Remove all FBOs at " + id + "?");
  EXPECT_EQ(messages_.texts("information").back(), "All FBOs at " + id + " have been removed");
}

TEST_F(FuelFormTest, NavPointTakesTheAirportsPositionAndName) {
  main_.RouteBtn->click();
  report_->FuelList->setCurrentRow(0);
  report_->NavPointItem->trigger();
  const NavPoint& point = main_.state().navPoint;
  EXPECT_EQ(point.NavPointId, report_->selectedIdentifier().toStdString());
  EXPECT_GT(point.NavPointLat, 30);
  EXPECT_LT(point.NavPointLon, -80);
  EXPECT_FALSE(point.NavPointName.empty());
}

TEST_F(FuelFormTest, StartListsUpToFivePlansCheapestFirst) {
  main_.FuelBtn->click();
  ASSERT_TRUE(report_->StartBtn->isEnabled());
  report_->StartBtn->click();
  const QStringList plans = Lines(report_->BestFuelList);
  ASSERT_FALSE(plans.isEmpty());
  EXPECT_LE(plans.size(), 5);
  EXPECT_FALSE(report_->BestFuelList->isHidden());
  EXPECT_FALSE(report_->plannerRunning());
  EXPECT_FALSE(report_->StartBtn->isHidden());
  for (const QString& plan : plans) EXPECT_TRUE(plan.endsWith(")")) << plan.toStdString();
  double previous = -1;
  for (const QString& plan : plans) {
    const double cost = *ResultLineCost(plan.toStdString());
    EXPECT_GE(cost, previous);
    previous = cost;
  }
}

TEST_F(FuelFormTest, StartingFuelThatCoversTheTripShowsAPlanThatBuysNothing) {
  main_.FuelBtn->click();
  report_->StartFuelEdit->setText("45");
  report_->EndFuelEdit->setText("5");
  report_->StartBtn->click();
  ASSERT_GE(report_->BestFuelList->count(), 1);
  EXPECT_TRUE(report_->BestFuelList->item(0)->text().startsWith("$  0.00 : IND("));
}

TEST_F(FuelFormTest, StopDuringTheSearchEndsItAndRestoresTheButtons) {
  main_.FuelBtn->click();
  bool sawStop = false;
  // The timer fires inside the planner's own message processing, as a click would.
  QTimer::singleShot(0, report_.get(), [&] {
    sawStop = report_->plannerRunning() && !report_->StopBtn->isHidden();
    report_->StopBtn->click();
  });
  report_->StartBtn->click();
  EXPECT_TRUE(sawStop);
  EXPECT_FALSE(report_->plannerRunning());
  EXPECT_FALSE(report_->StartBtn->isHidden());
  EXPECT_TRUE(report_->ProgressPanel->isHidden());
  EXPECT_FALSE(report_->BestFuelList->isHidden());
}

TEST_F(FuelFormTest, RouteButtonDuringTheSearchBuildsTheRouteReportOnceThePlannerStopped) {
  main_.FuelBtn->click();
  bool reportBuiltInside = true;
  QTimer::singleShot(0, &main_, [&] {
    main_.RouteBtn->click();
    // The route report waits for the planner, which can only finish after this returns.
    reportBuiltInside = report_->windowTitle() == QLatin1String("Route Report");
  });
  report_->StartBtn->click();
  EXPECT_FALSE(reportBuiltInside);
  EXPECT_FALSE(report_->plannerRunning());
  QCoreApplication::processEvents();
  EXPECT_EQ(report_->windowTitle(), "Route Report");
  EXPECT_TRUE(report_->FuelPanel->isHidden());
  EXPECT_GT(report_->FuelList->count(), 0);
}

TEST_F(FuelFormTest, StartIsOfferedOnlyWithCapacitySpeedAndBurn) {
  main_.state().settings.FuelCapacity = 0;
  main_.FuelBtn->click();
  EXPECT_FALSE(report_->StartBtn->isEnabled());
}

TEST_F(FuelFormTest, MaximisedPlacementAlternatesStartingWithTheBandBelowTheMainWindow) {
  const QRect screen(0, 0, 1920, 1080);
  const QRect mainFrame(1, 1, 400, 150);
  EXPECT_EQ(report_->nextMaximisedPlacement(screen, mainFrame), QRect(1, 151, 1920, 929));
  EXPECT_EQ(report_->nextMaximisedPlacement(screen, mainFrame), QRect(1, 1, 1920, 1080));
  EXPECT_EQ(report_->nextMaximisedPlacement(screen, mainFrame), QRect(1, 151, 1920, 929));
}

}  // namespace
}  // namespace kestro
