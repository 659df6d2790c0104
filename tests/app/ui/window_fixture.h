#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/ui/main_window.h"
#include "support/recording_messages.h"

namespace kestro::testing {

inline const std::string kSampleData = std::string(KESTRO_SOURCE_DIR) + "/data/sample/";

// A main window whose message boxes are recorded, with a settings file in a fresh folder.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              (std::string("kestro-window-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    settings_ = folder_ / "Kestro.ini";
    main_.setMessages(&messages_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // A settings file on the given data folder with the given extra lines.
  void WriteSettings(const std::string& extra, const std::string& dataFolder = kSampleData) {
    std::ofstream(settings_, std::ios::binary)
        << "[Options]\r\nDataPath=" << dataFolder << "\r\nSpeed=120\r\nGPH=9\r\nFOB=48\r\n"
        << extra;
  }

  std::filesystem::path folder_;
  std::filesystem::path settings_;
  RecordingMessages messages_;
  TMain main_;
};

}  // namespace kestro::testing
