#include "planning/ui/fuel_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/nav_point.h"
#include "app/widgets/qt_messages.h"
#include "data/airport_database.h"
#include "data/fbo_file.h"
#include "planning/enroute_report.h"
#include "planning/report_line.h"

namespace kestro {
namespace {

QFont ReportFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(13);
  return font;
}

QLineEdit* FuelEdit(QWidget* parent, const char* name, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setFixedWidth(44);
  return edit;
}

}  // namespace

TFuelForm::TFuelForm(SharedState& state, LegEditor editor, UserMessages& messages,
                     const QString& landingFuelText, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), editor_(std::move(editor)), messages_(messages) {
  setObjectName(QStringLiteral("FuelForm"));
  setWindowTitle(QStringLiteral("Report"));
  // Closing the main window ends the program even while this window is on screen.
  setAttribute(Qt::WA_QuitOnClose, false);
  buildControls();
  buildMenu();
  LandFuelEdit->setText(landingFuelText);
  placeBesideMainWindow();
  bandPlacement_ = true;
}

void TFuelForm::placeBesideMainWindow() {
  // The chart window will sit under the main window; until it exists the report takes its place
  // and reaches the right edge of the screen.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || !editor_.mainFrame) return;
  const QRect area = screen->availableGeometry();
  const QRect main = editor_.mainFrame();
  const int top = main.bottom() + 1;
  setGeometry(main.left(), top, std::max(area.right() - main.left(), 200),
              std::max(area.bottom() - 30 - top, 200));
}

void TFuelForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMaximized)) return;
  // Maximising alternates between the band below the main window and the whole screen.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || !editor_.mainFrame) return;
  const QRect placement = nextMaximisedPlacement(screen->availableGeometry(), editor_.mainFrame());
  QTimer::singleShot(0, this, [this, placement] {
    setWindowState(windowState() & ~Qt::WindowMaximized);
    setGeometry(placement);
  });
}

TFuelForm::~TFuelForm() = default;

void TFuelForm::buildControls() {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(3, 3, 3, 3);
  column->setSpacing(2);

  ProgressPanel = new QFrame(this);
  ProgressPanel->setObjectName(QStringLiteral("ProgressPanel"));
  ProgressPanel->setFixedHeight(14);
  auto* progressLayout = new QHBoxLayout(ProgressPanel);
  progressLayout->setContentsMargins(0, 0, 0, 0);
  ReportBar = new QProgressBar(ProgressPanel);
  ReportBar->setObjectName(QStringLiteral("ReportBar"));
  ReportBar->setRange(0, 100);
  ReportBar->setTextVisible(false);
  progressLayout->addWidget(ReportBar);
  ProgressPanel->hide();
  column->addWidget(ProgressPanel);

  FuelList = new QListWidget(this);
  FuelList->setObjectName(QStringLiteral("FuelList"));
  FuelList->setFont(ReportFont());
  FuelList->setUniformItemSizes(true);
  FuelList->setContextMenuPolicy(Qt::DefaultContextMenu);
  FuelList->installEventFilter(this);
  FuelList->viewport()->installEventFilter(this);
  column->addWidget(FuelList, 1);

  FuelPanel = new QFrame(this);
  FuelPanel->setObjectName(QStringLiteral("FuelPanel"));
  FuelPanel->setFixedHeight(44);
  auto* panel = new QHBoxLayout(FuelPanel);
  panel->setContentsMargins(3, 2, 3, 2);
  StartBtn = new QPushButton(QStringLiteral("Start"), FuelPanel);
  StartBtn->setObjectName(QStringLiteral("StartBtn"));
  StopBtn = new QPushButton(QStringLiteral("Stop"), FuelPanel);
  StopBtn->setObjectName(QStringLiteral("StopBtn"));
  StopBtn->setToolTip(QStringLiteral("Stop"));
  StopBtn->hide();
  // Start and Stop share one place; only one of them shows at a time.
  panel->addWidget(StartBtn);
  panel->addWidget(StopBtn);
  StartFuelEdit = FuelEdit(FuelPanel, "StartFuelEdit", QStringLiteral("10"));
  EndFuelEdit = FuelEdit(FuelPanel, "EndFuelEdit", QStringLiteral("25"));
  LandFuelEdit = FuelEdit(FuelPanel, "LandFuelEdit", QString());
  HWTWEdit = FuelEdit(FuelPanel, "HWTWEdit", QStringLiteral("0"));
  const std::pair<const char*, QLineEdit*> fields[] = {{"Starting Fuel", StartFuelEdit},
                                                       {"Ending Fuel", EndFuelEdit},
                                                       {"Min Landing Fuel", LandFuelEdit},
                                                       {"HW / TW Kts", HWTWEdit}};
  for (const auto& [label, edit] : fields) {
    panel->addWidget(new QLabel(QString::fromLatin1(label), FuelPanel));
    panel->addWidget(edit);
  }
  panel->addStretch(1);
  FuelPanel->hide();
  column->addWidget(FuelPanel);

  BestFuelList = new QListWidget(this);
  BestFuelList->setObjectName(QStringLiteral("BestFuelList"));
  BestFuelList->setFont(ReportFont());
  BestFuelList->setFixedHeight(95);
  BestFuelList->hide();
  column->addWidget(BestFuelList);

  connect(StartBtn, &QPushButton::clicked, this, &TFuelForm::StartBtnClick);
  connect(StopBtn, &QPushButton::clicked, this, &TFuelForm::StopBtnClick);
  connect(FuelList, &QListWidget::itemDoubleClicked, this, &TFuelForm::FuelListDblClick);
}

void TFuelForm::buildMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  FromItem = PopupMenu1->addAction(QStringLiteral("From"), this, [this] {
    if (editor_.setFrom) editor_.setFrom(selectedIdentifier());
  });
  ToItem = PopupMenu1->addAction(QStringLiteral("To"), this, [this] {
    if (editor_.setTo) editor_.setTo(selectedIdentifier());
  });
  AirNavPageItem = PopupMenu1->addAction(QStringLiteral("AirNav Page"));
  AirNavLocalFuelItem = PopupMenu1->addAction(QStringLiteral("AirNav Local Fuel"));
  RemoveFBOItem =
      PopupMenu1->addAction(QStringLiteral("Remove FBO"), this, &TFuelForm::RemoveFBOClick);
  NavPointItem =
      PopupMenu1->addAction(QStringLiteral("Nav Point"), this, &TFuelForm::NavPointClick);
  AirportInfoItem = PopupMenu1->addAction(QStringLiteral("Airport Info"));
  // The web and airport information windows are not part of this program yet.
  AirNavPageItem->setEnabled(false);
  AirNavLocalFuelItem->setEnabled(false);
  AirportInfoItem->setEnabled(false);
}

QString TFuelForm::selectedIdentifier() const {
  const QListWidgetItem* item = FuelList->currentItem();
  if (item == nullptr || !item->isSelected()) return {};
  const std::string line = ToLatin(item->text());
  return FromLatin(std::string(ReportLineIdentifier(line)));
}

void TFuelForm::BuildEnrouteReport() {
  if (reportRunning_) return;
  reportRunning_ = true;
  const EnrouteReportMode mode = ReportModeForCaption(ToLatin(windowTitle()));
  SortedTextList lines;
  FuelList->clear();
  EnrouteReportHooks hooks;
  hooks.started = [this] {
    if (editor_.reportRunning) editor_.reportRunning(true);
  };
  hooks.showProgress = [this](int maximum) {
    ReportBar->setRange(0, std::max(maximum, 1));
    ReportBar->setValue(0);
    ProgressPanel->show();
    show();
    raise();
    BestFuelList->hide();
    FuelPanel->hide();
  };
  hooks.progress = [this](int position) { ReportBar->setValue(position); };
  hooks.lineAdded = [this](const std::string& line, std::size_t index) {
    FuelList->insertItem(static_cast<int>(index), FromLatin(line));
  };
  hooks.selectLine = [this](std::size_t index) {
    FuelList->setCurrentRow(static_cast<int>(index));
  };
  hooks.finished = [this](EnrouteReportMode /*mode*/) {
    if (editor_.reportRunning) editor_.reportRunning(false);
    ProgressPanel->hide();
    FuelPanel->setVisible(windowTitle() == QLatin1String("Fuel Report"));
  };
  try {
    kestro::BuildEnrouteReport(state_.data, state_.leg, state_.settings.RouteSearchRange, mode,
                               lines, hooks);
  } catch (const std::exception& failure) {
    messages_.Error(failure.what());
  }
  reportRunning_ = false;
}

std::optional<AirportPosition> TFuelForm::lookupSelected() {
  try {
    if (!LookupAirport(state_.data, ToLatin(selectedIdentifier()))) return std::nullopt;
  } catch (const std::exception& failure) {
    messages_.Error(failure.what());
    return std::nullopt;
  }
  return PositionFromFields(state_.data.AirportFields);
}

void TFuelForm::FuelListDblClick() {
  if (const auto position = lookupSelected()) emit showChartRequested(position->lat, position->lon);
}

void TFuelForm::NavPointClick() {
  try {
    SetNavPointToAirport(state_.data, state_.navPoint, ToLatin(selectedIdentifier()));
  } catch (const std::exception& failure) {
    messages_.Error(failure.what());
  }
}

void TFuelForm::RemoveFBOClick() {
  RemoveAirportFBOs(state_.data, ToLatin(selectedIdentifier()));
}

bool TFuelForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FuelList && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      FuelListDblClick();
      return true;
    }
  }
  if (watched == FuelList->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      RemoveFBOItem->setEnabled(windowTitle() == QLatin1String("Fuel Report"));
      PopupMenu1->popup(FuelList->viewport()->mapToGlobal(mouse->position().toPoint()));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TFuelForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  const AppliedSettings& s = state_.settings;
  StartBtn->setEnabled(CanStart(s.FuelCapacity, s.CruiseSpeed, s.FuelBurnGPH));
}

void TFuelForm::closeEvent(QCloseEvent* event) {
  planner_.FreeCandidates();
  QWidget::closeEvent(event);
}

QRect TFuelForm::nextMaximisedPlacement(const QRect& screen, const QRect& mainFrame) {
  const bool band = bandPlacement_;
  bandPlacement_ = !bandPlacement_;
  if (band) {
    const int top = mainFrame.top() + mainFrame.height();
    return {1, top, screen.width(), screen.height() - mainFrame.top() - mainFrame.height()};
  }
  return {1, 1, screen.width(), screen.height()};
}

void TFuelForm::StartBtnClick() {
  if (planner_.IsSearching()) return;
  FuelPlanFields fields;
  fields.startFuel = ToLatin(StartFuelEdit->text());
  fields.endFuel = ToLatin(EndFuelEdit->text());
  fields.landFuel = ToLatin(LandFuelEdit->text());
  fields.wind = ToLatin(HWTWEdit->text());
  const AppliedSettings& s = state_.settings;
  const FuelPlanSettings settings{s.CruiseSpeed, s.FuelBurnGPH, s.FuelCapacity, s.StopCostDollars};
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(FuelList->count()));
  for (int i = 0; i < FuelList->count(); ++i) lines.push_back(ToLatin(FuelList->item(i)->text()));
  const std::string destination =
      editor_.destinationText ? ToLatin(editor_.destinationText()) : state_.leg.ToId;

  FuelSearchHooks hooks;
  hooks.pumpEvents = [] { QCoreApplication::processEvents(); };
  hooks.searchingChanged = [this](bool searching) {
    StartBtn->setVisible(!searching);
    StopBtn->setVisible(searching);
    if (searching) {
      BestFuelList->clear();
    } else {
      ProgressPanel->hide();
    }
  };
  hooks.progressRange = [this](int /*stops*/, int maximum) {
    ReportBar->setRange(0, std::max(maximum, 1));
    ReportBar->setValue(0);
    ProgressPanel->show();
  };
  hooks.progressPosition = [this](int position) { ReportBar->setValue(position); };
  hooks.resultsChanged = [this](const std::vector<std::string>& results) {
    BestFuelList->clear();
    for (const auto& line : results) BestFuelList->addItem(FromLatin(line));
    BestFuelList->show();
  };
  planner_.Start(state_.data, fields, settings, state_.leg, destination, lines, hooks);
  emit searchFinished();
}

}  // namespace kestro
