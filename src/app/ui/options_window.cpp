#include "app/ui/options_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <system_error>

#include "app/profile_file.h"
#include "app/ui/main_window.h"
#include "app/widgets/form_state.h"
#include "app/widgets/qt_messages.h"
#include "common/data_error.h"

namespace kestro {
namespace {

constexpr const char* kWelcome =
    "Welcome to Kestro!\n\nPlease use this opportunity to enter the initial configuration data.\n"
    "All of these fields can be changed at a later time.";

QString ProgramFolder() {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

}  // namespace

TOptions::TOptions(TMain& main, std::filesystem::path settingsFile,
                   std::optional<std::string> dataOverride, QWidget* parent)
    : QDialog(parent != nullptr ? parent : &main),
      main_(main),
      settingsFile_(std::move(settingsFile)),
      dataOverride_(std::move(dataOverride)) {
  setObjectName(QStringLiteral("Options"));
  setWindowTitle(QStringLiteral("Options"));
  setModal(true);
  buildControls();
  main_.attachOptions(this);

  if (DataPath->text().isEmpty()) DataPath->setText(ProgramFolder());
  NightColor->setCurrentText(QStringLiteral("Blue"));

  std::error_code error;
  if (std::filesystem::exists(settingsFile_, error)) {
    const ProfileFile profile(settingsFile_);
    settingsExisted_ = HoldsSavedOptions(profile);
    DataPath->setText(
        FromLatin(profile.ReadString("Options", "DataPath", ToLatin(DataPath->text()))));
  }

  if (settingsExisted_) {
    try {
      LoadFormState(*this, settingsFile_, FormStateRules::Options);
    } catch (const DataError& failure) {
      // The settings stay unapplied and FROM empty until the user confirms this window.
      main_.messages().Error(failure.what());
      return;
    }
    ApplySettings();
  } else {
    main_.messages().Information(kWelcome);
    SaveSettings();
  }
  main_.setFromText(HomeAirport->text());
}

TOptions::~TOptions() {
  SaveSettings();
}

void TOptions::buildControls() {
  auto* grid = new QGridLayout;
  int row = 0;
  auto addRow = [&](const char* label, QWidget* field, QWidget* extra = nullptr) {
    grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
    grid->addWidget(field, row, 1, 1, extra != nullptr ? 1 : 2);
    if (extra != nullptr) grid->addWidget(extra, row, 2);
    ++row;
  };
  const OptionsTexts defaults = DefaultOptionsTexts();
  auto edit = [this](const char* name, const std::string& text = {}) {
    auto* field = new QLineEdit(FromLatin(text), this);
    field->setObjectName(QString::fromLatin1(name));
    return field;
  };

  DataPath = edit("DataPath");
  DataPath->setToolTip(QStringLiteral("Must have a trailing backslash"));
  DataPath->setMinimumWidth(260);
  BrowseBtn = new QPushButton(QStringLiteral("..."), this);
  BrowseBtn->setFixedWidth(28);
  addRow("Path to data", DataPath, BrowseBtn);
  ACTail = edit("ACTail");
  addRow("Aircraft Tail", ACTail);
  PilotInitials = edit("PilotInitials");
  addRow("Pilot Initials", PilotInitials);
  HomeAirport = new UpperCaseEdit(this);
  HomeAirport->setObjectName(QStringLiteral("HomeAirport"));
  addRow("Home Airport", HomeAirport);
  ACType = edit("ACType");
  addRow("Aircraft Type", ACType);
  Speed = edit("Speed", defaults.Speed);
  addRow("Cruise Speed", Speed);
  GPH = edit("GPH", defaults.GPH);
  addRow("GHP", GPH);
  FOB = edit("FOB", defaults.FOB);
  addRow("Total Fuel Cap", FOB);
  StopCost = edit("StopCost", defaults.StopCost);
  auto* costRow = new QWidget(this);
  auto* costLayout = new QHBoxLayout(costRow);
  costLayout->setContentsMargins(0, 0, 0, 0);
  costLayout->addWidget(new QLabel(QStringLiteral("$"), costRow));
  costLayout->addWidget(StopCost);
  StopCost->setParent(costRow);
  addRow("Cost to Stop", costRow);
  RouteRange = edit("RouteRange", defaults.RouteRange);
  addRow("Route Search Range", RouteRange);
  GPSComPort = edit("GPSComPort", defaults.GPSComPort);
  AutoGPSBtn = new QPushButton(QStringLiteral("..."), this);
  AutoGPSBtn->setObjectName(QStringLiteral("AutoGPSBtn"));
  AutoGPSBtn->setFixedWidth(28);
  addRow("GPS Com Port", GPSComPort, AutoGPSBtn);
  GPSBaudRate = edit("GPSBaudRate", defaults.GPSBaudRate);
  addRow("GPS Baud", GPSBaudRate);
  LogGPS = new QCheckBox(QStringLiteral("Log GPS"), this);
  LogGPS->setObjectName(QStringLiteral("LogGPS"));
  grid->addWidget(LogGPS, row++, 1, 1, 2);
  ShowLatLon = new QCheckBox(QStringLiteral("Show Latitude / Longitude"), this);
  ShowLatLon->setObjectName(QStringLiteral("ShowLatLon"));
  grid->addWidget(ShowLatLon, row++, 1, 1, 2);
  ShiftTime = new QSpinBox(this);
  ShiftTime->setObjectName(QStringLiteral("ShiftTime"));
  ShiftTime->setRange(-24, 24);
  addRow("Shift Time", ShiftTime);
  NightColor = new QComboBox(this);
  NightColor->setObjectName(QStringLiteral("NightColor"));
  NightColor->addItems({QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue"),
                        QStringLiteral("Gray"), QStringLiteral("Black"), QStringLiteral("DarkRed"),
                        QStringLiteral("DarkGreen"), QStringLiteral("DarkBlue"),
                        QStringLiteral("DarkBlack")});
  addRow("Night color", NightColor);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  grid->addWidget(OKBtn, row++, 1, 1, 2, Qt::AlignRight);

  // The auto-detection panel lies below the OK button, out of sight until a search runs.
  AutoGPSPanel = new QFrame(this);
  AutoGPSPanel->setFrameShape(QFrame::StyledPanel);
  auto* panelLayout = new QVBoxLayout(AutoGPSPanel);
  panelLayout->addWidget(new QLabel(QStringLiteral("Looking for GPS..."), AutoGPSPanel));
  AutoGPSPanel->setVisible(false);

  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addWidget(AutoGPSPanel);
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(BrowseBtn, &QPushButton::clicked, this, &TOptions::BrowseBtnClick);
}

OptionsTexts TOptions::texts() const {
  OptionsTexts t;
  t.DataPath = ToLatin(DataPath->text());
  t.Speed = ToLatin(Speed->text());
  t.GPH = ToLatin(GPH->text());
  t.FOB = ToLatin(FOB->text());
  t.StopCost = ToLatin(StopCost->text());
  t.RouteRange = ToLatin(RouteRange->text());
  t.GPSComPort = ToLatin(GPSComPort->text());
  t.GPSBaudRate = ToLatin(GPSBaudRate->text());
  return t;
}

void TOptions::ApplySettings() {
  try {
    const std::string shown =
        kestro::ApplySettings(main_.state(), texts(), &main_.messages(), dataOverride_);
    DataPath->setText(FromLatin(shown));
  } catch (const std::exception& failure) {
    main_.messages().Error(failure.what());
  }
}

void TOptions::SaveSettings() {
  // A settings file that cannot be written is reported rather than lost without a word.
  const std::string failure = SaveFormState(*this, settingsFile_, FormStateRules::Options);
  if (!failure.empty()) main_.messages().Error(failure);
}

void TOptions::done(int result) {
  QDialog::done(result);
  if (result == QDialog::Accepted) ApplySettings();
}

void TOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window opens in the middle of the screen, not over the small main window.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TOptions::BrowseBtnClick() {
  const QString start = FromLatin(main_.state().data.DataFolder);
  const QString folder =
      QFileDialog::getExistingDirectory(this, QStringLiteral("Select Data Folder"), start);
  if (folder.isEmpty()) return;
  DataPath->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

}  // namespace kestro
