#include "planning/report_line.h"

#include <gtest/gtest.h>

#include <string>

#include "common/format.h"

namespace kestro {
namespace {

std::string FuelLine(int distanceNM, double price, int ageDays, double detourNM, const char* id) {
  return Format("%4.4d NM  $%5.2f  %4d Ago  +%5.1f NM : %4.4s : %s", distanceNM, price, ageDays,
                detourNM, id, "SOME FIELD");
}

TEST(ReportLineTest, IdentifierAndPriceOfFuelLines) {
  struct Case {
    std::string line;
    const char* identifier;
    const char* price;
  };
  const Case cases[] = {
      {FuelLine(42, 5.99, 3, 1.5, "KSFO"), "KSFO", "5.99"},
      {FuelLine(1235, 12.34, 120, 0.0, "O61"), "O61", "12.34"},
      // An age and a detour wider than their formats shift the columns, not the separators.
      {FuelLine(7, 123.45, 45000, 1234.5, "A1"), "A1", "123.45"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReportLineIdentifier(c.line), c.identifier) << c.line;
    EXPECT_EQ(ReportLinePrice(c.line), c.price) << c.line;
  }
  // For a line that fits its format the identifier is columns 40-43 and the price 11-15.
  const std::string fitting = FuelLine(42, 5.99, 3, 1.5, "O61");
  EXPECT_EQ(fitting.substr(39, 4), " O61");
  EXPECT_EQ(fitting.substr(10, 5), " 5.99");
  EXPECT_FLOAT_EQ(*ReportLinePriceValue(fitting), 5.99F);
}

TEST(ReportLineTest, IdentifierOfRouteLineAndOddLines) {
  const std::string route =
      Format("%4.4d NM   +%5.1f NM : %4.4s : %s", 12, 3.5, "SQL", "SAN CARLOS");
  EXPECT_EQ(route.substr(22, 4), " SQL");
  EXPECT_EQ(ReportLineIdentifier(route), "SQL");
  EXPECT_EQ(ReportLineIdentifier("0001 NM : ABC"), "ABC");  // no second separator
  EXPECT_EQ(ReportLineIdentifier("no separator"), "");
  EXPECT_EQ(ReportLinePrice(route), "");
  EXPECT_FALSE(ReportLinePriceValue(route));
  EXPECT_FALSE(ReportLinePriceValue("0001 NM  $ N/A : X : Y"));
  EXPECT_FALSE(ReportLinePriceValue("0001 NM  $1e39 : X : Y"));  // beyond single precision
}

TEST(ReportLineTest, ResultLineCost) {
  EXPECT_DOUBLE_EQ(*ResultLineCost("$ 45.50 : SFO(15): LAX(27)"), 45.5);
  EXPECT_DOUBLE_EQ(*ResultLineCost("$1000.00 : SFO(15): LAX(27)"), 1000.0);
  EXPECT_DOUBLE_EQ(*ResultLineCost("$  0.00 : LAX(27)"), 0.0);
  EXPECT_FALSE(ResultLineCost("No Solution"));
  EXPECT_FALSE(ResultLineCost(""));
}

}  // namespace
}  // namespace kestro
