// kestro-cli driven through its entry function on the sample data folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/cli/cli_app.h"
#include "common/text_file.h"
#include "support/temp_folder.h"

namespace kestro::cli {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(KESTRO_SOURCE_DIR) + "/data/sample";

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_.Write("Kestro.ini", "[Options]\r\nDataPath=" + kSample +
                                  "/\r\nSpeed=120\r\nGPH=10\r\nFOB=50\r\n"
                                  "StopCost=20\r\nRouteRange=30\r\n");
  }

  CliRun Cli(std::vector<std::string> arguments) const {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunCli(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
  }

  kestro::testing::TempFolder temp_;
  fs::path folder_ = temp_.path();
  std::string settings_ = (temp_ / "Kestro.ini").string();
};

TEST_F(CliTest, HelpListsEveryCommand) {
  const CliRun run = Cli({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* command : {"index", "leg", "route", "fuel", "plan"}) {
    EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
  }
}

TEST_F(CliTest, LegPrintsTheFourReadouts) {
  const CliRun run = Cli({"leg", "sus", "TUL", "--settings", settings_});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = SplitTextLines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Bearing\t241");
  EXPECT_EQ(lines[1], "Distance\t290 NM");
  EXPECT_EQ(lines[2].rfind("Time\t2h 2", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3].rfind("Fuel\t24.", 0), 0u) << lines[3];
}

TEST_F(CliTest, OptionsOverrideTheSettings) {
  const CliRun run = Cli({"leg", "SUS", "TUL", "--settings", settings_, "--speed", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Time\t-\nFuel\t-\n"), std::string::npos) << run.out;
}

TEST_F(CliTest, ExitStatusTellsNotFoundFromUsage) {
  const struct {
    std::vector<std::string> arguments;
    int status;
  } cases[] = {
      {{"leg", "SUS", "NOPE"}, 1},
      {{"leg", "SUS"}, 2},
      {{"leg", "SUS", "TUL", "--speed", "fast"}, 2},
      {{"fuel", "SUS", "TUL", "--now", "12/11/2026"}, 2},
      {{"frobnicate"}, 2},
      {{"plan", "SUS", "TUL", "--start-fuel", "10.5"}, 2},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--settings", settings_});
    if (arguments.front() == "frobnicate") arguments.resize(1);
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, c.status) << arguments[0] << " " << arguments[1];
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
}

TEST_F(CliTest, FuelListsPricedLinesThenTheBestOne) {
  const CliRun run = Cli({"fuel", "SUS", "TUL", "--settings", settings_, "--now", "2026-12-11"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = SplitTextLines(run.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.back().rfind("best: ", 0), 0u);
  const std::string best = lines.back().substr(6);
  EXPECT_NE(std::find(lines.begin(), lines.end() - 1, best), lines.end() - 1);
  for (size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].substr(9, 1), "$");
  // Ages count from the given clock, so the output is repeatable.
  EXPECT_EQ(Cli({"fuel", "SUS", "TUL", "--settings", settings_, "--now", "2026-12-11"}).out,
            run.out);
}

TEST_F(CliTest, PlanPrintsUpToFivePlansOrNoSolution) {
  const CliRun run = Cli({"plan", "SUS", "TUL", "--settings", settings_});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = SplitTextLines(run.out);
  ASSERT_GE(lines.size(), 1u);
  EXPECT_LE(lines.size(), 5u);
  for (const auto& line : lines) {
    EXPECT_EQ(line[0], '$');
    EXPECT_NE(line.find(": TUL("), std::string::npos) << line;
  }
  // Far more fuel than the trip needs leaves no number of stops to search.
  const CliRun none = Cli({"plan", "SUS", "TUL", "--settings", settings_, "--start-fuel", "200"});
  EXPECT_EQ(none.out, "No Solution\n");
}

TEST_F(CliTest, IndexRebuildsTheSampleIndexesByteForByte) {
  const fs::path copy = folder_ / "data";
  fs::create_directories(copy);
  for (const char* name : {"NfdcFacilities.xls", "NfdcRunways.xls"}) {
    fs::copy_file(fs::path(kSample) / name, copy / name);
  }
  const CliRun run = Cli({"index", copy.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* name :
       {"NfdcFacilities.NameIndex.txt", "NfdcFacilities.LonIndex.txt", "NfdcRunways.IDIndex.txt"}) {
    EXPECT_EQ(ReadWholeFile(copy / name), ReadWholeFile(fs::path(kSample) / name)) << name;
  }
}

}  // namespace
}  // namespace kestro::cli
