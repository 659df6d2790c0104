#pragma once

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/shared_state.h"
#include "common/user_messages.h"
#include "data/airport_database.h"
#include "planning/fuel_planner.h"

namespace kestro {

// What the report window may do to the main window's fields ("From" and "To" commands) and what
// it reads from them (the destination text of the planner's lines).
struct LegEditor {
  std::function<void(const QString&)> setFrom;
  std::function<void(const QString&)> setTo;
  std::function<QString()> destinationText;
  // The main window's FuelBtn and RouteBtn are disabled while a report is being built.
  std::function<void(bool running)> reportRunning;
  // The main window's frame on the screen, for placing this window.
  std::function<QRect()> mainFrame;
};

// The report window: the airports along the leg ("Route Report" or "Fuel Report", told apart by
// the caption), the fuel-stop planner's panel, and the commands on a listed airport.
class TFuelForm : public QWidget {
  Q_OBJECT

 public:
  TFuelForm(SharedState& state, LegEditor editor, UserMessages& messages,
            const QString& landingFuelText, QWidget* parent = nullptr);
  ~TFuelForm() override;

  // Fills the list for the current leg in the mode the caption names.
  void BuildEnrouteReport();

  // The planner runs exactly while its Stop button is shown.
  [[nodiscard]] bool plannerRunning() const { return !StopBtn->isHidden(); }
  void requestStop() noexcept { planner_.RequestStop(); }

  // The identifier of the selected line; empty with no selection.
  [[nodiscard]] QString selectedIdentifier() const;
  // The placement the window offers for maximising; alternates with every call.
  [[nodiscard]] QRect nextMaximisedPlacement(const QRect& screen, const QRect& mainFrame);

  QFrame* ProgressPanel = nullptr;
  QProgressBar* ReportBar = nullptr;
  QListWidget* FuelList = nullptr;
  QFrame* FuelPanel = nullptr;
  QLineEdit* StartFuelEdit = nullptr;
  QLineEdit* EndFuelEdit = nullptr;
  QLineEdit* LandFuelEdit = nullptr;
  QLineEdit* HWTWEdit = nullptr;
  QPushButton* StartBtn = nullptr;
  QPushButton* StopBtn = nullptr;
  QListWidget* BestFuelList = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* FromItem = nullptr;
  QAction* ToItem = nullptr;
  QAction* AirNavPageItem = nullptr;
  QAction* AirNavLocalFuelItem = nullptr;
  QAction* RemoveFBOItem = nullptr;
  QAction* NavPointItem = nullptr;
  QAction* AirportInfoItem = nullptr;

 signals:
  // The planner's search has ended (normally or on a stop request).
  void searchFinished();
  // A report or planner command asked to show the chart at a position.
  void showChartRequested(double latitude, double longitude);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildMenu();
  void placeBesideMainWindow();
  void StartBtnClick();
  void StopBtnClick() noexcept { planner_.RequestStop(); }
  void FuelListDblClick();
  std::optional<AirportPosition> lookupSelected();
  void NavPointClick();
  void RemoveFBOClick();

  SharedState& state_;
  LegEditor editor_;
  UserMessages& messages_;
  FuelPlanner planner_;
  bool bandPlacement_ = true;
  bool reportRunning_ = false;
};

}  // namespace kestro
