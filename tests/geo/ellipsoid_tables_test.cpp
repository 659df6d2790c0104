#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "geo/geodesy.h"

namespace kestro {
namespace {

TEST(EllipsoidTable, NumbersOutsideTheTableFindNothing) {
  for (int number : {-1, 0, EllipsoidCount + 1}) EXPECT_EQ(FindEllipsoid(number), nullptr);
  for (int number : {-1, 0, DatumCount + 1}) EXPECT_EQ(FindDatum(number), nullptr);
}

TEST(EllipsoidTable, EveryEntryIsAPlausibleEarth) {
  // A slipped digit in a or b shows up as a flattening far from the Earth's 1/298.
  std::set<std::string> names;
  for (int number = 1; number <= EllipsoidCount; ++number) {
    const EllipseStruct* e = FindEllipsoid(number);
    ASSERT_NE(e, nullptr) << number;
    EXPECT_GT(e->a, 6377000.0) << number;
    EXPECT_LT(e->a, 6378400.0) << number;
    const double inverseFlattening = e->a / (e->a - e->b);
    EXPECT_GT(inverseFlattening, 290.0) << e->name;
    EXPECT_LT(inverseFlattening, 301.0) << e->name;
    EXPECT_TRUE(names.insert(e->name).second) << e->name;
  }
}

TEST(EllipsoidTable, NamedEntriesHaveTheirNumbers) {
  struct Entry {
    int number;
    const char* name;
    double a;
    double b;
  };
  const Entry entries[] = {
      {1, "Airy", 6377563.396, 6356256.909},
      {Clarke1866, "Clark 1866", 6378206.4, 6356583.8},
      {13, "Geodetic Reference 1980", 6378137.0, 6356752.314},
      {16, "International", 6378388.0, 6356911.946},
      {WGS84, "WGS-84", 6378137.0, 6356752.314},
  };
  for (const Entry& entry : entries) {
    const EllipseStruct* e = FindEllipsoid(entry.number);
    ASSERT_NE(e, nullptr);
    EXPECT_STREQ(e->name, entry.name);
    EXPECT_EQ(e->a, entry.a) << entry.name;
    EXPECT_EQ(e->b, entry.b) << entry.name;
  }
}

TEST(DatumTable, DatumsNameExistingEllipsoidsInTheirGroups) {
  std::map<int, int> datumsPerEllipsoid;
  std::set<std::string> names;
  for (int number = 1; number <= DatumCount; ++number) {
    const DatumStruct* d = FindDatum(number);
    ASSERT_NE(d, nullptr) << number;
    EXPECT_NE(FindEllipsoid(d->ellipsoid), nullptr) << d->name;
    EXPECT_TRUE(names.insert(d->name).second) << d->name;
    ++datumsPerEllipsoid[d->ellipsoid];
  }
  const std::map<int, int> expected = {
      {1, 1},  {2, 1},  {3, 3},   {4, 4},  {5, 19}, {6, 15}, {7, 3},  {8, 1},  {10, 1}, {13, 1},
      {14, 1}, {15, 1}, {16, 46}, {17, 1}, {18, 1}, {19, 1}, {20, 1}, {21, 1}, {22, 1}};
  EXPECT_EQ(datumsPerEllipsoid, expected);

  struct Entry {
    int number;
    int ellipsoid;
    const char* name;
  };
  const Entry entries[] = {{1, 6, "Adindan"},
                           {47, 5, "*Luzon Mindanao"},
                           {61, 5, "NAD27 Conus"},
                           {66, 13, "NAD83"},
                           {75, 1, "Ord Survey G. Britian 1936"},
                           {102, 22, "WGS 1984"},
                           {103, 16, "Zanderij"}};
  for (const Entry& entry : entries) {
    const DatumStruct* d = FindDatum(entry.number);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ellipsoid, entry.ellipsoid) << entry.name;
    EXPECT_STREQ(d->name, entry.name);
  }
}

}  // namespace
}  // namespace kestro
