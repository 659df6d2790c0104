#pragma once

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <memory>

#include "app/shared_state.h"
#include "app/widgets/qt_messages.h"
#include "app/widgets/upper_case_edit.h"
#include "planning/ui/fuel_form.h"

namespace kestro {

class TOptions;

// The main (route) window: the toolbar of glyph buttons, the FROM and TO fields and the leg
// read-outs. It owns the program-wide state for the whole run; the other windows are attached to
// it once created and are only shown and hidden afterwards.
class TMain : public QWidget {
  Q_OBJECT

 public:
  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  [[nodiscard]] SharedState& state() noexcept { return state_; }
  [[nodiscard]] UserMessages& messages() noexcept { return *messages_; }
  // Tests answer the message boxes themselves.
  void setMessages(UserMessages* messages);

  void attachOptions(TOptions* options) { options_ = options; }
  void attachReport(TFuelForm* report);
  [[nodiscard]] TFuelForm* report() const noexcept { return report_; }
  // What the report window may do to FROM and TO.
  [[nodiscard]] LegEditor legEditor();

  // Sets a field's text in upper case, which resolves that end of the leg.
  void setFromText(const QString& text);
  void setToText(const QString& text);

  // The field change handler of FROM (tag 0) and TO (tag 1).
  void ResolveEndpoint(QLineEdit* field);
  // Writes the leg read-outs for the given points with the applied speed and fuel burn.
  void ComputeLeg(double lat1, double lon1, double lat2, double lon2);

  UpperCaseEdit* FromEdit = nullptr;
  UpperCaseEdit* ToEdit = nullptr;
  QToolButton* MapBtn = nullptr;
  QToolButton* NavBtn = nullptr;
  QToolButton* GPSBtn = nullptr;
  QToolButton* FuelBtn = nullptr;
  QToolButton* RouteBtn = nullptr;
  QToolButton* PrintBtn = nullptr;
  QToolButton* ConfigBtn = nullptr;
  QToolButton* ExitBtn = nullptr;
  QPushButton* DepMapBtn = nullptr;
  QPushButton* DstMapBtn = nullptr;
  QLabel* HdgLabel = nullptr;
  QLabel* DistLabel = nullptr;
  QLabel* TimeLabel = nullptr;
  QLabel* FuelLabel = nullptr;
  QTimer* GPSSimTimer = nullptr;
  QTimer* GPSWatchdogTimer = nullptr;
  QMenu* ConfigMenu = nullptr;
  QMenu* ConfigMapMenu = nullptr;

  // The menu the configuration button pops up now.
  [[nodiscard]] QMenu* currentConfigMenu() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void FuelBtnClick();
  void RouteBtnClick();
  void runReport(const QString& caption);
  void runReportWhenPlannerStops(const QString& caption);
  void ConfigBtnClick();
  void OpenOptions();
  void setReadouts(const QString& bearing, const QString& distance, const QString& time,
                   const QString& fuel);
  void followLegState();

  SharedState state_;
  std::unique_ptr<QtMessages> ownMessages_;
  UserMessages* messages_ = nullptr;
  TOptions* options_ = nullptr;
  TFuelForm* report_ = nullptr;
  bool usesMapMenu_ = false;
};

}  // namespace kestro
