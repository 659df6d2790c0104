#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "airport_test_fixture.h"
#include "data/airport_database.h"

namespace kestro {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenFile(const std::filesystem::path& path) {
  return File(std::fopen(path.c_str(), "rb"));
}

// The FILE* reader and the descriptor reader must give the same lines.
struct OpenForReading {
  File file;
  int descriptor = -1;
  explicit OpenForReading(const std::filesystem::path& path) : file(OpenFile(path)) {
    if (file) descriptor = ::fileno(file.get());
  }
};

TEST(ReadLineAtTest, EndsAtCrLfOrEndOfFile) {
  test::TempFolder folder;
  const std::string longLine(3200, 'x');  // spans three blocks
  const std::string contents = "abc\r\ndef\nghi\rjkl\r\n" + longLine + "\r\nlast";
  test::WriteBytes(folder.path() / "f.txt", contents);
  const OpenForReading open(folder.path() / "f.txt");
  ASSERT_TRUE(open.file);

  const auto size = static_cast<std::int64_t>(contents.size());
  const struct {
    std::int64_t offset;
    std::string expected;
  } cases[] = {
      {0, "abc"},         {1, "bc"},  {3, ""},  // at the CR
      {5, "def"},         {9, "ghi"}, {13, "jkl"},      {18, longLine},
      {size - 4, "last"}, {size, ""}, {size + 100, ""}, {-1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadLineAt(open.file.get(), c.offset), c.expected) << "offset " << c.offset;
    EXPECT_EQ(ReadLineAt(open.descriptor, c.offset), c.expected) << "fd, offset " << c.offset;
  }
  EXPECT_EQ(ReadLineAt(nullptr, 0), "");
  EXPECT_EQ(ReadLineAt(-1, 0), "");
}

TEST(ReadLineAtTest, StopsAtTheLineLimitInAFileWithoutLineEnds) {
  test::TempFolder folder;
  test::WriteBytes(folder.path() / "big.txt", std::string(kMaxLineBytes + 5000, 'y'));
  const OpenForReading open(folder.path() / "big.txt");
  ASSERT_TRUE(open.file);
  EXPECT_EQ(ReadLineAt(open.file.get(), 0).size(), kMaxLineBytes);
  EXPECT_EQ(ReadLineAt(open.descriptor, 0).size(), kMaxLineBytes);
}

TEST(SplitTabsTest, KeepsEmptyFieldsInPlace) {
  const struct {
    std::string text;
    std::vector<std::string> expected;
  } cases[] = {
      {"", {}},         {"a", {"a"}},       {"a\tb", {"a", "b"}}, {"a\t\tb", {"a", "", "b"}},
      {"\t", {"", ""}}, {"a\t", {"a", ""}}, {"a b,c", {"a b,c"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> fields{"left", "over"};
    SplitTabs(c.text, fields);
    EXPECT_EQ(fields, c.expected) << "text '" << c.text << "'";
  }
}

TEST(AirportPositionTest, SecondsOfArcBecomeDegreesNorthAndWest) {
  std::vector<std::string> fields(101);
  fields[23] = "146234.5600N";
  fields[25] = "440000.0000W";
  const AirportPosition position = PositionFromFields(fields);
  EXPECT_NEAR(position.lat, 40.62071, 0.000005);
  EXPECT_NEAR(position.lon, -122.22222, 0.000005);

  // The hemisphere letter is never interpreted: "S" and "E" still give north and west.
  fields[23] = "3600S";
  fields[25] = "7200E";
  EXPECT_EQ(PositionFromFields(fields).lat, 1.0);
  EXPECT_EQ(PositionFromFields(fields).lon, -2.0);

  fields[25] = "N/A";
  EXPECT_FALSE(ParsePosition(fields).has_value());
  EXPECT_EQ(PositionFromFields(fields).lat, 0.0);
  EXPECT_EQ(PositionFromFields(fields).lon, 0.0);
  EXPECT_FALSE(ParsePosition(std::vector<std::string>(20)).has_value());
}

}  // namespace
}  // namespace kestro
