#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>
#include <optional>
#include <string>

#include "app/settings_apply.h"
#include "app/widgets/upper_case_edit.h"

namespace kestro {

class TMain;

// The options window. Its controls are the settings: they are loaded from Kestro.ini when the
// window is created and written back when it is destroyed; ApplySettings copies them into the
// shared state and loads the data folder.
class TOptions : public QDialog {
  Q_OBJECT

 public:
  // dataOverride names the data folder of this run in place of the DataPath setting; it is
  // never written to the settings file.
  TOptions(TMain& main, std::filesystem::path settingsFile,
           std::optional<std::string> dataOverride = std::nullopt, QWidget* parent = nullptr);
  ~TOptions() override;

  // Copies the controls into the shared state and loads the data files.
  void ApplySettings();
  // Writes every control to the settings file.
  void SaveSettings();

  [[nodiscard]] bool SettingsExisted() const noexcept { return settingsExisted_; }
  [[nodiscard]] const std::filesystem::path& settingsFile() const noexcept { return settingsFile_; }
  [[nodiscard]] OptionsTexts texts() const;

  QLineEdit* DataPath = nullptr;
  QPushButton* BrowseBtn = nullptr;
  QLineEdit* ACTail = nullptr;
  QLineEdit* PilotInitials = nullptr;
  UpperCaseEdit* HomeAirport = nullptr;
  QLineEdit* ACType = nullptr;
  QLineEdit* Speed = nullptr;
  QLineEdit* GPH = nullptr;
  QLineEdit* FOB = nullptr;
  QLineEdit* StopCost = nullptr;
  QLineEdit* RouteRange = nullptr;
  QLineEdit* GPSComPort = nullptr;
  QPushButton* AutoGPSBtn = nullptr;
  QLineEdit* GPSBaudRate = nullptr;
  QCheckBox* LogGPS = nullptr;
  QCheckBox* ShowLatLon = nullptr;
  QSpinBox* ShiftTime = nullptr;
  QComboBox* NightColor = nullptr;
  QPushButton* OKBtn = nullptr;
  QFrame* AutoGPSPanel = nullptr;

 protected:
  void done(int result) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void BrowseBtnClick();

  TMain& main_;
  std::filesystem::path settingsFile_;
  std::optional<std::string> dataOverride_;
  bool settingsExisted_ = false;
  bool saved_ = false;
};

}  // namespace kestro
