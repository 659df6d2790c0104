#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/ui/main_window.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace kestro::testing {

inline const std::string kSampleData = std::string(KESTRO_SOURCE_DIR) + "/data/sample/";

// A main window whose message boxes are recorded, with a settings file in a fresh folder.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { main_.setMessages(&messages_); }

  // A settings file on the given data folder with the given extra lines.
  void WriteSettings(const std::string& extra, const std::string& dataFolder = kSampleData) {
    temp_.Write("Kestro.ini", "[Options]\r\nDataPath=" + dataFolder +
                                  "\r\nSpeed=120\r\nGPH=9\r\nFOB=48\r\n" + extra);
  }

  TempFolder temp_;
  std::filesystem::path folder_ = temp_.path();
  std::filesystem::path settings_ = temp_ / "Kestro.ini";
  RecordingMessages messages_;
  TMain main_;
};

}  // namespace kestro::testing
