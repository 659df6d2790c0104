#pragma once

#include <filesystem>
#include <string>

class QWidget;

namespace kestro {

// A window's value-carrying controls kept in an INI file without the window naming them one by
// one: the window's objectName is the section, each control's objectName the key, and the
// controls are visited in creation order (depth first over children(); a control's own inner
// widgets, unnamed widgets and separate windows are not visited).
//
// Kinds, tested in this order (anything else is skipped):
//   QSpinBox        key = name; the value in decimal; missing -> "1"
//   QLineEdit       key = name; the text; missing -> "Entry" or kept (see FormStateRules)
//   QComboBox       key = name; the shown text; missing -> "Entry"; the item equal to the value
//                   without regard to case is selected, no match selects nothing and empties it
//   QCheckBox       key = name; "1" or "0"; missing -> "0"; checked exactly when "1"
//   QRadioButton    as QCheckBox
//   QListWidget     "CheckList:" + name + ":" + item text for each item with a check state;
//                   as QCheckBox
//   QPlainTextEdit  "Memo:" + name + ":nLines" = the line count, then "Memo:" + name + ":" + n
//                   for the lines from 0; loading clears it and reads lines 0 to count - 1
//                   (a count above the number of keys in the section can only come from a
//                   damaged file and is cut down to that number)
// A control's tag is its int dynamic property "tag", 0 when absent.

// The two windows that keep their state this way treat two things differently.
enum class FormStateRules {
  Options,           // every control is kept; a missing edit becomes "Entry"
  ChartCalibration,  // controls with a negative tag are skipped; a missing edit keeps its text
};

// Reads every supported control from the file; a missing file or section gives every control its
// default. A spin-box value or memo line count that is no integer throws DataError
// ("'<value>' is not a valid integer value"); the controls before it are loaded, the rest not.
void LoadFormState(QWidget& window, const std::filesystem::path& iniPath, FormStateRules rules);

// Writes every supported control to the file in one atomic save; keys of other controls,
// comments and other sections stay as they are. Returns an empty text on success, otherwise the
// message of the failed write, for the caller to report or ignore.
[[nodiscard]] std::string SaveFormState(const QWidget& window, const std::filesystem::path& iniPath,
                                        FormStateRules rules);

}  // namespace kestro
