#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "airport_test_fixture.h"
#include "common/data_error.h"
#include "data/airport_database.h"

namespace kestro {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

class LookupAirportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.DataFolder = folder.DataFolder();
    offsets = test::WriteLines(
        folder.path() / "NfdcFacilities.xls",
        {test::HeaderLine(101),
         test::FacilityLine("1*A", "KAAA", "146234.5600N", "440000.0000W", {{100, "Y"}}),
         test::FacilityLine("2*A", "KBBB", "140000.0000N", "300000.0000W")});
    store.NameIndex = {"KAAA=" + std::to_string(offsets[1]), "KBBB=" + std::to_string(offsets[2])};
  }

  test::TempFolder folder;
  DataStore store;
  std::vector<std::int64_t> offsets;
};

TEST_F(LookupAirportTest, FindsTheAirportWithoutRegardToCase) {
  for (const char* typed : {"KBBB", "kbbb", "KbBb"}) {
    store.AirportFields.clear();
    ASSERT_TRUE(LookupAirport(store, typed)) << typed;
    ASSERT_EQ(store.AirportFields.size(), 101u);
    EXPECT_EQ(store.AirportFields[0], "2*A");
    EXPECT_EQ(store.AirportFields[2], "KBBB");
    EXPECT_EQ(store.AirportFields[11], "KBBB FIELD");
  }
  ASSERT_TRUE(LookupAirport(store, "kaaa"));
  EXPECT_EQ(store.AirportFields[23], "146234.5600N");
  EXPECT_EQ(store.AirportFields[100], "Y,");  // the appended comma ends the last field
}

TEST_F(LookupAirportTest, UnknownIdentifierGivesACommaAndEmptyFields) {
  EXPECT_FALSE(LookupAirport(store, "KZZZ"));
  ASSERT_EQ(store.AirportFields.size(), 101u);
  EXPECT_EQ(store.AirportFields[0], ",");
  for (size_t i = 1; i < 101; ++i) EXPECT_EQ(store.AirportFields[i], "") << i;
}

TEST_F(LookupAirportTest, MissingFileOrEmptyIndexLeavesTheFieldsAlone) {
  const std::vector<std::string> before{"earlier", "fields"};
  store.AirportFields = before;
  DataStore empty = store;
  empty.NameIndex.clear();
  EXPECT_FALSE(LookupAirport(empty, "KAAA"));
  EXPECT_EQ(empty.AirportFields, before);

  std::filesystem::remove(folder.path() / "NfdcFacilities.xls");
  EXPECT_FALSE(LookupAirport(store, "KAAA"));
  EXPECT_EQ(store.AirportFields, before);
}

TEST_F(LookupAirportTest, FindsTheExtractFileWhateverTheCaseOfItsName) {
  std::filesystem::rename(folder.path() / "NfdcFacilities.xls",
                          folder.path() / "NFDCFACILITIES.XLS");
  ASSERT_TRUE(LookupAirport(store, "KAAA"));
  EXPECT_EQ(store.AirportFields[0], "1*A");
}

TEST_F(LookupAirportTest, BadIndexLineEndsTheLookupWithAMessageNamingIt) {
  const std::string size =
      std::to_string(std::filesystem::file_size(folder.path() / "NfdcFacilities.xls"));
  for (const std::string& bad : {std::string("KBBB=12x"), std::string("KBBB="),
                                 std::string("KBBB=-5"), std::string("KBBB"), "KBBB=" + size}) {
    store.NameIndex[1] = bad;
    try {
      (void)LookupAirport(store, "KBBB");
      ADD_FAILURE() << "no error for " << bad;
    } catch (const DataError& error) {
      EXPECT_THAT(error.what(),
                  AllOf(HasSubstr("line 2 of"), HasSubstr("NfdcFacilities.NameIndex.txt")))
          << bad;
    }
  }
}

}  // namespace
}  // namespace kestro
