#include "app/widgets/form_state.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>
#include <filesystem>
#include <string>

#include "app/profile_file.h"
#include "common/data_error.h"
#include "common/text_file.h"
#include "support/temp_folder.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

// One control of every kind, in a fixed creation order, plus widgets that must never be stored:
// an unnamed edit, a kind that is not kept (with Qt's named inner line edit) and a label.
struct TestWindow {
  explicit TestWindow(const char* name) {
    window.setObjectName(name);
    speed = Make<QSpinBox>("Speed");
    speed->setRange(0, 999);
    dataPath = Make<QLineEdit>("DataPath");
    nightColor = Make<QComboBox>("NightColor");
    nightColor->addItems({"Red", "Green", "Blue"});
    logGPS = Make<QCheckBox>("LogGPS");
    logGPS->setProperty("tag", -1);
    shiftTime = Make<QRadioButton>("ShiftTime");
    auto* group = new QGroupBox(&window);
    nested = new QCheckBox(group);
    nested->setObjectName("Nested");
    layers = Make<QListWidget>("Layers");
    auto* airports = new QListWidgetItem("Airports", layers);
    airports->setCheckState(Qt::Unchecked);
    new QListWidgetItem("Heading", layers);
    notes = Make<QPlainTextEdit>("Notes");
    new QLineEdit(&window);
    Make<QDoubleSpinBox>("Ratio");
    Make<QLabel>("Caption");
    units = Make<QComboBox>("Units");
    units->setEditable(true);
    units->addItems({"NM", "SM"});
  }

  template <typename T>
  T* Make(const char* name) {
    auto* control = new T(&window);
    control->setObjectName(name);
    return control;
  }

  void SetSample() {
    speed->setValue(115);
    dataPath->setText("/data/");
    nightColor->setCurrentIndex(1);
    logGPS->setChecked(true);
    shiftTime->setChecked(false);
    nested->setChecked(true);
    layers->item(0)->setCheckState(Qt::Checked);
    notes->setPlainText("one\ntwo");
    units->setCurrentIndex(1);
  }

  QWidget window;
  QSpinBox* speed;
  QLineEdit* dataPath;
  QComboBox* nightColor;
  QCheckBox* logGPS;
  QRadioButton* shiftTime;
  QCheckBox* nested;
  QListWidget* layers;
  QPlainTextEdit* notes;
  QComboBox* units;
};

// The keys SetSample gives, in creation order.
std::string SampleKeys(bool withLogGPS, const char* end) {
  std::string keys;
  for (const char* line :
       {"Speed=115", "DataPath=/data/", "NightColor=Green", "LogGPS=1", "ShiftTime=0", "Nested=1",
        "CheckList:Layers:Airports=1", "Memo:Notes:nLines=2", "Memo:Notes:0=one",
        "Memo:Notes:1=two", "Units=SM"}) {
    if (!withLogGPS && std::string(line) == "LogGPS=1") continue;
    keys += std::string(line) + end;
  }
  return keys;
}

class FormStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temp_.path().empty()); }

  void Write(const std::string& contents) const { temp_.Write("Kestro.ini", contents); }
  [[nodiscard]] std::string Read() const { return ReadWholeFile(path_).value_or("<none>"); }

  testing::TempFolder temp_;
  fs::path path_ = temp_ / "Kestro.ini";
};

TEST_F(FormStateTest, SaveWritesEveryControlInCreationOrder) {
  struct Case {
    FormStateRules rules;
    const char* window;
    bool withLogGPS;
  };
  for (const Case& c : {Case{FormStateRules::Options, "Options", true},
                        Case{FormStateRules::ChartCalibration, "MapInfo", false}}) {
    fs::remove(path_);
    TestWindow w(c.window);
    w.SetSample();
    ASSERT_EQ(SaveFormState(w.window, path_, c.rules), "");
    EXPECT_EQ(Read(), "[" + std::string(c.window) + "]\r\n" + SampleKeys(c.withLogGPS, "\r\n"));
  }
}

TEST_F(FormStateTest, SaveLeavesForeignKeysCommentsAndSectionsAlone) {
  Write("[Other]\nX=1\n[options]\n; kept comment\nOldSetting=7\nspeed = 90\n\n[Last]\nY=2\n");
  TestWindow w("Options");
  w.SetSample();
  ASSERT_EQ(SaveFormState(w.window, path_, FormStateRules::Options), "");
  std::string keys = SampleKeys(true, "\n");
  keys.replace(0, keys.find('\n') + 1, "speed=115\n");  // the key keeps its spelling in place
  EXPECT_EQ(Read(),
            "[Other]\nX=1\n[options]\n; kept comment\nOldSetting=7\n" + keys + "\n[Last]\nY=2\n");
}

TEST_F(FormStateTest, RoundTripRestoresEveryControl) {
  TestWindow saved("Options");
  saved.SetSample();
  saved.dataPath->setText("  C:\\Kestro Data\\  ");
  saved.notes->setPlainText("first\n\n  indented\n");
  ASSERT_EQ(SaveFormState(saved.window, path_, FormStateRules::Options), "");

  TestWindow loaded("Options");
  loaded.notes->setPlainText("to be replaced");
  LoadFormState(loaded.window, path_, FormStateRules::Options);
  EXPECT_EQ(loaded.speed->value(), 115);
  EXPECT_EQ(loaded.dataPath->text(), "  C:\\Kestro Data\\  ");
  EXPECT_EQ(loaded.nightColor->currentText(), "Green");
  EXPECT_TRUE(loaded.logGPS->isChecked());
  EXPECT_FALSE(loaded.shiftTime->isChecked());
  EXPECT_TRUE(loaded.nested->isChecked());
  EXPECT_EQ(loaded.layers->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(loaded.notes->toPlainText(), "first\n\n  indented\n");
  EXPECT_EQ(loaded.units->currentText(), "SM");
}

TEST_F(FormStateTest, MissingKeysAndNegativeTagsFollowTheWindowsRules) {
  struct Case {
    FormStateRules rules;
    const char* dataPath;
    bool logGPS;
  };
  for (const Case& c : {Case{FormStateRules::Options, "Entry", true},
                        Case{FormStateRules::ChartCalibration, "kept", false}}) {
    Write("[W]\r\nLogGPS=1\r\n");
    TestWindow w("W");
    w.speed->setValue(50);
    w.dataPath->setText("kept");
    w.nightColor->setCurrentIndex(2);
    w.units->setCurrentIndex(1);
    w.notes->setPlainText("old");
    LoadFormState(w.window, path_, c.rules);
    EXPECT_EQ(w.speed->value(), 1);
    EXPECT_EQ(w.dataPath->text(), c.dataPath);
    EXPECT_EQ(w.logGPS->isChecked(), c.logGPS);
    EXPECT_EQ(w.nightColor->currentIndex(), -1);  // "Entry" is no item
    EXPECT_EQ(w.units->currentIndex(), -1);
    EXPECT_EQ(w.units->currentText(), "");
    EXPECT_EQ(w.notes->toPlainText(), "");
  }
}

TEST_F(FormStateTest, OnlyTheValueOneChecks) {
  struct Case {
    const char* stored;  // as it stands in the file
    bool checked;
  };
  const Case cases[] = {
      {"1", true},     {"  1 ", true},  // blanks around a value are no part of it
      {"\"1\"", true}, {"\"1 \"", false}, {"true", false}, {"01", false}, {"0", false}, {"", false},
  };
  for (const Case& c : cases) {
    Write(std::string("[Options]\nLogGPS=") + c.stored + "\nShiftTime=" + c.stored +
          "\nCheckList:Layers:Airports=" + c.stored + "\n");
    TestWindow w("Options");
    w.logGPS->setChecked(!c.checked);
    w.shiftTime->setChecked(!c.checked);
    LoadFormState(w.window, path_, FormStateRules::Options);
    EXPECT_EQ(w.logGPS->isChecked(), c.checked) << c.stored;
    EXPECT_EQ(w.shiftTime->isChecked(), c.checked) << c.stored;
    EXPECT_EQ(w.layers->item(0)->checkState() == Qt::Checked, c.checked) << c.stored;
  }

  // A blank after the 1 written by the program itself stays part of the value.
  ASSERT_EQ(WriteProfileString(path_, "Options", "LogGPS", "1 "), "");
  TestWindow w("Options");
  w.logGPS->setChecked(true);
  LoadFormState(w.window, path_, FormStateRules::Options);
  EXPECT_FALSE(w.logGPS->isChecked());
}

TEST_F(FormStateTest, ComboSelectsTheItemWithoutRegardToCase) {
  struct Case {
    const char* nightColor;
    const char* units;
    int nightIndex;
    int unitsIndex;
    const char* unitsText;
  };
  const Case cases[] = {
      {"green", "sm", 1, 1, "SM"},
      {"BLUE", "NM", 2, 0, "NM"},  // the current item: the typed text goes
      {"Purple", "km", -1, -1, ""},
  };
  for (const Case& c : cases) {
    Write(std::string("[Options]\nNightColor=") + c.nightColor + "\nUnits=" + c.units + "\n");
    TestWindow w("Options");
    w.nightColor->setCurrentIndex(0);
    w.units->setEditText("typed");
    LoadFormState(w.window, path_, FormStateRules::Options);
    EXPECT_EQ(w.nightColor->currentIndex(), c.nightIndex) << c.nightColor;
    EXPECT_EQ(w.units->currentIndex(), c.unitsIndex) << c.units;
    EXPECT_EQ(w.units->currentText(), c.unitsText) << c.units;
  }
}

TEST_F(FormStateTest, ShorterMemoLeavesOldLinesButLoadsOnlyItsOwn) {
  TestWindow w("Options");
  w.notes->setPlainText("a\nb\nc");
  ASSERT_EQ(SaveFormState(w.window, path_, FormStateRules::Options), "");
  w.notes->setPlainText("only");
  ASSERT_EQ(SaveFormState(w.window, path_, FormStateRules::Options), "");
  const std::string contents = Read();
  EXPECT_NE(contents.find("Memo:Notes:nLines=1\r\nMemo:Notes:0=only\r\nMemo:Notes:1=b\r\n"
                          "Memo:Notes:2=c\r\n"),
            std::string::npos)
      << contents;
  w.notes->setPlainText("changed");
  LoadFormState(w.window, path_, FormStateRules::Options);
  EXPECT_EQ(w.notes->toPlainText(), "only");
}

TEST_F(FormStateTest, DamagedMemoCountCannotBlowUpTheMemo) {
  Write("[Options]\nMemo:Notes:nLines=2000000000\nMemo:Notes:0=a\nMemo:Notes:1=b\n");
  TestWindow w("Options");
  LoadFormState(w.window, path_, FormStateRules::Options);
  EXPECT_EQ(w.notes->toPlainText(), "a\nb\n");  // cut to the 3 keys of the section
}

TEST_F(FormStateTest, NonIntegerStopsLoadingAtThatControl) {
  struct Case {
    const char* line;
    const char* message;
    const char* dataPathAfter;  // DataPath comes after Speed and before Notes
  };
  const Case cases[] = {
      {"Speed=abc", "'abc' is not a valid integer value", "before"},
      {"Speed=", "'' is not a valid integer value", "before"},
      {"Memo:Notes:nLines=2x", "'2x' is not a valid integer value", "loaded"},
  };
  for (const Case& c : cases) {
    Write(std::string("[Options]\nDataPath=loaded\nUnits=NM\n") + c.line + "\n");
    TestWindow w("Options");
    w.dataPath->setText("before");
    w.units->setCurrentIndex(1);
    try {
      LoadFormState(w.window, path_, FormStateRules::Options);
      ADD_FAILURE() << "no error for " << c.line;
    } catch (const DataError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
    EXPECT_EQ(w.dataPath->text(), c.dataPathAfter) << c.line;
    EXPECT_EQ(w.units->currentText(), "SM") << c.line;  // Units comes last
  }
}

}  // namespace
}  // namespace kestro
