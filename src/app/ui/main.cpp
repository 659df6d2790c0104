// The kestro program: creates the windows in their fixed order and runs the message loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "app/settings_location.h"
#include "app/ui/main_window.h"
#include "app/ui/options_window.h"
#include "app/widgets/qt_messages.h"
#include "planning/ui/fuel_form.h"

namespace {

// Help and version are printed without a display, so they work in any terminal.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--help" || argument == "-h" || argument == "--help-all" ||
        argument == "--version" || argument == "-v") {
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::unique_ptr<QCoreApplication> app;
  if (AsksForHelpOrVersion(argc, argv)) {
    app = std::make_unique<QCoreApplication>(argc, argv);
  } else {
    app = std::make_unique<QApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName(QStringLiteral("Kestro"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KESTRO_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Kestro: flight planning and moving map for VFR pilots."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption settingsOption(
      QStringLiteral("settings"), QStringLiteral("Use FILE as the settings file (Kestro.ini)."),
      QStringLiteral("FILE"));
  const QCommandLineOption dataOption(
      QStringLiteral("data"),
      QStringLiteral(
          "Use DIR as the data folder for this run, in place of the Path to data setting."),
      QStringLiteral("DIR"));
  parser.addOption(settingsOption);
  parser.addOption(dataOption);
  parser.process(*app);

  std::optional<std::filesystem::path> explicitSettings;
  if (parser.isSet(settingsOption)) {
    explicitSettings = parser.value(settingsOption).toLocal8Bit().toStdString();
  }
  std::optional<std::string> dataFolder;
  if (parser.isSet(dataOption)) {
    dataFolder =
        std::filesystem::absolute(parser.value(dataOption).toLocal8Bit().toStdString()).string();
  }
  const std::filesystem::path settingsFile = kestro::SettingsFilePath(
      QCoreApplication::applicationDirPath().toLocal8Bit().toStdString(), explicitSettings);

  kestro::TMain mainWindow;
  kestro::TOptions options(mainWindow, settingsFile, dataFolder);
  kestro::TFuelForm report(mainWindow.state(), mainWindow.legEditor(), mainWindow.messages(),
                           options.GPH->text());
  mainWindow.attachReport(&report);
  // The first run opens the options before the main window appears, so the pilot fills them in.
  if (!options.SettingsExisted()) options.exec();

  mainWindow.show();
  const int result = QApplication::exec();
  return result;
}
