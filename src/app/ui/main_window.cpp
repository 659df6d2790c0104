#include "app/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QVBoxLayout>

#include "app/ui/options_window.h"
#include "planning/leg.h"
#include "planning/ui/fuel_form.h"

static void InitKestroIcons() {
  Q_INIT_RESOURCE(icons);
}

namespace kestro {
namespace {

QToolButton* GlyphButton(QWidget* parent, const char* name, const char* icon, const char* hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(icon)));
  button->setIconSize(QSize(32, 32));
  button->setFixedSize(42, 42);
  button->setAutoRaise(true);
  button->setToolTip(QString::fromLatin1(hint));
  return button;
}

QLabel* Caption(QWidget* parent, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.85);
  label->setFont(font);
  return label;
}

QLabel* Readout(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(72);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  label->setFont(font);
  return label;
}

}  // namespace

TMain::TMain(QWidget* parent) : QWidget(parent) {
  InitKestroIcons();
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Kestro"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/kestro.svg")));
  ownMessages_ = std::make_unique<QtMessages>(this);
  setMessages(ownMessages_.get());
  // The box queries offer to let window messages run after every candidate airport, tens of
  // thousands of times in a long report. One idle call costs a few microseconds, more than the
  // candidate itself, so messages run at most every 5 ms: the window stays just as responsive.
  state_.data.pumpEvents = [clock = std::make_shared<QElapsedTimer>()] {
    if (clock->isValid() && clock->elapsed() < 5) return;
    QCoreApplication::processEvents();
    clock->start();
  };

  buildControls();
  buildMenus();

  // The empty TO field resolves once, which leaves the destination empty and the buttons that
  // follow the leg disabled.
  ToEdit->clear();
  ResolveEndpoint(ToEdit);

  GPSSimTimer = new QTimer(this);
  GPSSimTimer->setInterval(1000);
  GPSWatchdogTimer = new QTimer(this);
  GPSWatchdogTimer->setInterval(10000);

  // The layout fixes the window's size: the client area ends 10 pixels under the fuel read-out.
  move(1, 1);
}

TMain::~TMain() = default;

void TMain::setMessages(UserMessages* messages) {
  messages_ = messages;
  state_.data.messages = messages;
}

void TMain::buildControls() {
  MapBtn = GlyphButton(this, "MapBtn", "map.svg", "Map");
  NavBtn = GlyphButton(this, "NavBtn", "nav.svg", "Navigation");
  GPSBtn = GlyphButton(this, "GPSBtn", "gps.svg", "GPS");
  FuelBtn = GlyphButton(this, "FuelBtn", "fuel.svg", "Fuel Enroute");
  RouteBtn = GlyphButton(this, "RouteBtn", "route.svg", "Show Enroute Airports");
  PrintBtn = GlyphButton(this, "PrintBtn", "print.svg", "Print the Route");
  ConfigBtn = GlyphButton(this, "ConfigBtn", "config.svg", "Preferences / Options");
  ExitBtn = GlyphButton(this, "ExitBtn", "exit.svg", "Exit");
  RouteBtn->setEnabled(false);
  PrintBtn->setEnabled(false);

  auto* toolbar = new QHBoxLayout;
  toolbar->setSpacing(2);
  for (QToolButton* button :
       {MapBtn, NavBtn, GPSBtn, FuelBtn, RouteBtn, PrintBtn, ConfigBtn, ExitBtn}) {
    toolbar->addWidget(button);
  }

  FromEdit = new UpperCaseEdit(this);
  FromEdit->setObjectName(QStringLiteral("FromEdit"));
  FromEdit->setProperty("tag", 0);
  ToEdit = new UpperCaseEdit(this);
  ToEdit->setObjectName(QStringLiteral("ToEdit"));
  ToEdit->setProperty("tag", 1);
  for (QLineEdit* edit : {static_cast<QLineEdit*>(FromEdit), static_cast<QLineEdit*>(ToEdit)}) {
    edit->setMaxLength(8);
    edit->setFixedWidth(90);
    QFont font = edit->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    edit->setFont(font);
  }
  DepMapBtn = new QPushButton(QStringLiteral("Map"), this);
  DepMapBtn->setObjectName(QStringLiteral("DepMapBtn"));
  DstMapBtn = new QPushButton(QStringLiteral("Map"), this);
  DstMapBtn->setObjectName(QStringLiteral("DstMapBtn"));
  for (QPushButton* button : {DepMapBtn, DstMapBtn}) {
    button->setEnabled(false);
    button->setFixedWidth(40);
  }

  auto* fields = new QGridLayout;
  fields->addWidget(Caption(this, "FROM"), 0, 0);
  fields->addWidget(Caption(this, "TO"), 0, 2);
  fields->addWidget(FromEdit, 1, 0);
  fields->addWidget(DepMapBtn, 1, 1);
  fields->addWidget(ToEdit, 1, 2);
  fields->addWidget(DstMapBtn, 1, 3);

  HdgLabel = Readout(this, "HdgLabel", "000");
  DistLabel = Readout(this, "DistLabel", "000 NM");
  TimeLabel = Readout(this, "TimeLabel", "0h 0m");
  FuelLabel = Readout(this, "FuelLabel", "0.0 Gal");
  auto* readouts = new QGridLayout;
  const char* captions[] = {"Bearing", "Distance", "Time", "Fuel"};
  QLabel* values[] = {HdgLabel, DistLabel, TimeLabel, FuelLabel};
  for (int i = 0; i < 4; ++i) {
    readouts->addWidget(Caption(this, captions[i]), 0, i);
    readouts->addWidget(values[i], 1, i);
  }

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 10);
  column->setSpacing(4);
  column->addLayout(toolbar);
  column->addLayout(fields);
  column->addLayout(readouts);
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(FromEdit, &QLineEdit::textChanged, this, [this] { ResolveEndpoint(FromEdit); });
  connect(ToEdit, &QLineEdit::textChanged, this, [this] { ResolveEndpoint(ToEdit); });
  connect(FuelBtn, &QToolButton::clicked, this, &TMain::FuelBtnClick);
  connect(RouteBtn, &QToolButton::clicked, this, &TMain::RouteBtnClick);
  connect(ConfigBtn, &QToolButton::clicked, this, &TMain::ConfigBtnClick);
  connect(ExitBtn, &QToolButton::clicked, this, &QWidget::close);
  // The chart, navigation and GPS windows arrive later; until then their buttons do nothing.
}

void TMain::buildMenus() {
  ConfigMenu = new QMenu(this);
  ConfigMenu->setObjectName(QStringLiteral("ConfigMenu"));
  ConfigMenu->addAction(QStringLiteral("Options"), this, &TMain::OpenOptions);
  ConfigMenu->addSeparator();
  ConfigMenu->addAction(QStringLiteral("About"));

  ConfigMapMenu = new QMenu(this);
  ConfigMapMenu->setObjectName(QStringLiteral("ConfigMapMenu"));
  ConfigMapMenu->addAction(QStringLiteral("Options"), this, &TMain::OpenOptions);
  ConfigMapMenu->addAction(QStringLiteral("Map"));
  ConfigMapMenu->addSeparator();
  ConfigMapMenu->addAction(QStringLiteral("About"));
}

QMenu* TMain::currentConfigMenu() const {
  return usesMapMenu_ ? ConfigMapMenu : ConfigMenu;
}

void TMain::ConfigBtnClick() {
  // Once unlocked, the map entry stays for the rest of the run.
  if (state_.ChartMenuUnlocked) usesMapMenu_ = true;
  const QPoint at(ConfigBtn->x() + x() + 20, ConfigBtn->y() + y() + 60);
  currentConfigMenu()->popup(at);
}

void TMain::OpenOptions() {
  if (options_ != nullptr) options_->exec();
}

void TMain::attachReport(TFuelForm* report) {
  report_ = report;
}

LegEditor TMain::legEditor() {
  LegEditor editor;
  editor.setFrom = [this](const QString& text) { setFromText(text); };
  editor.setTo = [this](const QString& text) { setToText(text); };
  editor.destinationText = [this] { return ToEdit->text(); };
  editor.mainFrame = [this] { return frameGeometry(); };
  editor.reportRunning = [this](bool running) {
    FuelBtn->setEnabled(!running && state_.leg.IsValid());
    RouteBtn->setEnabled(!running && state_.leg.IsValid());
  };
  return editor;
}

void TMain::setFromText(const QString& text) {
  FromEdit->setUpperText(text);
}
void TMain::setToText(const QString& text) {
  ToEdit->setUpperText(text);
}

void TMain::setReadouts(const QString& bearing, const QString& distance, const QString& time,
                        const QString& fuel) {
  HdgLabel->setText(bearing);
  DistLabel->setText(distance);
  TimeLabel->setText(time);
  FuelLabel->setText(fuel);
}

void TMain::followLegState() {
  const bool valid = state_.leg.IsValid();
  PrintBtn->setEnabled(valid);
  FuelBtn->setEnabled(valid);
  RouteBtn->setEnabled(valid);
}

void TMain::ResolveEndpoint(QLineEdit* field) {
  // A report of the previous leg never stays on screen.
  if (report_ != nullptr) report_->hide();
  const auto end = field->property("tag").toInt() == 1 ? LegEnd::To : LegEnd::From;
  bool found = false;
  try {
    found = kestro::ResolveEndpoint(state_.data, state_.leg, end, ToLatin(field->text()));
  } catch (const std::exception& error) {
    messages_->Error(error.what());
  }
  (end == LegEnd::From ? DepMapBtn : DstMapBtn)->setEnabled(found);
  followLegState();
  if (state_.leg.IsValid()) {
    ComputeLeg(state_.leg.FromLat, state_.leg.FromLon, state_.leg.ToLat, state_.leg.ToLon);
  } else {
    setReadouts({}, {}, {}, {});
  }
}

void TMain::ComputeLeg(double lat1, double lon1, double lat2, double lon2) {
  const LegReadouts readouts = kestro::ComputeLeg(
      state_.leg, lat1, lon1, lat2, lon2, state_.settings.CruiseSpeed, state_.settings.FuelBurnGPH);
  setReadouts(FromLatin(readouts.bearing), FromLatin(readouts.distance), FromLatin(readouts.time),
              FromLatin(readouts.fuel));
}

void TMain::FuelBtnClick() {
  if (report_ == nullptr) return;
  if (report_->plannerRunning()) {
    report_->requestStop();
    runReportWhenPlannerStops(QStringLiteral("Fuel Report"));
    return;
  }
  report_->hide();
  runReport(QStringLiteral("Fuel Report"));
}

void TMain::RouteBtnClick() {
  if (report_ == nullptr) return;
  if (report_->plannerRunning()) {
    report_->StopBtn->click();
    runReportWhenPlannerStops(QStringLiteral("Route Report"));
    return;
  }
  runReport(QStringLiteral("Route Report"));
}

void TMain::runReportWhenPlannerStops(const QString& caption) {
  // This click is handled inside the planner's own message processing, so the planner can only
  // finish after this handler returns: waiting here would never end. The report is built once the
  // planner has unwound and said it finished.
  connect(
      report_, &TFuelForm::searchFinished, this,
      [this, caption] {
        report_->hide();
        runReport(caption);
      },
      static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
}

void TMain::runReport(const QString& caption) {
  report_->setWindowTitle(caption);
  report_->BuildEnrouteReport();
}

void TMain::closeEvent(QCloseEvent* event) {
  // Night colours, the GPS port and the flight log join this sequence with their windows.
  if (report_ != nullptr && report_->plannerRunning()) report_->requestStop();
  QWidget::closeEvent(event);
}

}  // namespace kestro
