#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temp_.path().empty()); }

  [[nodiscard]] std::string Read(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  [[nodiscard]] size_t EntryCount() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(temp_.path()), {}));
  }

  testing::TempFolder temp_;
};

TEST_F(AtomicFileTest, CreatesAndReplacesKeepingPermissions) {
  const fs::path file = temp_ / "KSFBO.CSV";
  ASSERT_EQ(WriteFileAtomic(file, "first\r\n"), "");
  EXPECT_EQ(Read(file), "first\r\n");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);

  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  const std::string binary("a\0b\xFF", 4);
  ASSERT_EQ(WriteFileAtomic(file, binary), "");
  EXPECT_EQ(Read(file), binary);
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  ASSERT_EQ(WriteFileAtomic(file, ""), "");
  EXPECT_EQ(fs::file_size(file), 0U);
  EXPECT_EQ(EntryCount(), 1U) << "a temporary file was left behind";
}

TEST_F(AtomicFileTest, FailsCleanlyInAMissingFolder) {
  const fs::path file = temp_ / "gone" / "KSFBO.CSV";
  const std::string failure = WriteFileAtomic(file, "data");
  EXPECT_NE(failure.find(file.string()), std::string::npos) << failure;
  EXPECT_NE(failure.find("No such file or directory"), std::string::npos) << failure;
  EXPECT_FALSE(fs::exists(temp_ / "gone"));
  EXPECT_EQ(EntryCount(), 0U);
}

TEST_F(AtomicFileTest, FailureOverADirectoryLeavesNoTemporaryFile) {
  const fs::path target = temp_ / "taken";
  fs::create_directory(target);
  fs::create_directory(target / "inside");  // rename over a non-empty folder must fail
  EXPECT_NE(WriteFileAtomic(target, "data"), "");
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  EXPECT_EQ(EntryCount(), 1U);
}

}  // namespace
}  // namespace kestro
