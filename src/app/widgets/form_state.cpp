#include "app/widgets/form_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

#include "app/profile_file.h"
#include "app/widgets/qt_messages.h"
#include "common/ascii_case.h"
#include "common/data_error.h"
#include "common/number_parse.h"

namespace kestro {
namespace {

[[nodiscard]] bool IsControl(const QWidget& widget) noexcept {
  return qobject_cast<const QSpinBox*>(&widget) != nullptr ||
         qobject_cast<const QLineEdit*>(&widget) != nullptr ||
         qobject_cast<const QComboBox*>(&widget) != nullptr ||
         qobject_cast<const QCheckBox*>(&widget) != nullptr ||
         qobject_cast<const QRadioButton*>(&widget) != nullptr ||
         qobject_cast<const QListWidget*>(&widget) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(&widget) != nullptr;
}

// Containers (group boxes, tab pages, Qt's own scroll-area viewports) are searched; a control's
// inner widgets (the line edit of a spin box or an editable combo box) are not, and neither are
// child windows, which keep their own state.
void CollectControls(const QObject& parent, std::vector<QPointer<QWidget>>& controls) {
  for (QObject* child : parent.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow()) continue;
    if (!IsControl(*widget)) {
      CollectControls(*widget, controls);
      continue;
    }
    const QString name = widget->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
    controls.emplace_back(widget);
  }
}

std::vector<QPointer<QWidget>> Controls(const QWidget& window, FormStateRules rules) {
  std::vector<QPointer<QWidget>> controls;
  CollectControls(window, controls);
  if (rules == FormStateRules::ChartCalibration) {
    std::erase_if(controls, [](const QPointer<QWidget>& control) {
      return control->property("tag").toInt() < 0;
    });
  }
  return controls;
}

const char* Flag(bool on) noexcept {
  return on ? "1" : "0";
}

[[nodiscard]] int ToInteger(const std::string& value) {
  const std::optional<int> number = ParseInt(value);
  if (!number) throw DataError("'" + value + "' is not a valid integer value");
  return *number;
}

// Qt gives every list item the user-checkable flag; only an item with a check state shows a box.
[[nodiscard]] bool IsCheckItem(const QListWidgetItem& item) {
  return item.data(Qt::CheckStateRole).isValid();
}

std::string CheckListKey(const std::string& name, const QListWidgetItem& item) {
  return "CheckList:" + name + ":" + ToLatin(item.text());
}

std::string MemoCountKey(const std::string& name) {
  return "Memo:" + name + ":nLines";
}

std::string MemoLineKey(const std::string& name, int line) {
  return "Memo:" + name + ":" + std::to_string(line);
}

// A memo's lines as the file keeps them: an empty memo has none, otherwise every line break
// starts a line, so the text comes back exactly.
QStringList MemoLines(const QPlainTextEdit& memo) {
  const QString text = memo.toPlainText();
  if (text.isEmpty()) return {};
  return text.split(QLatin1Char('\n'));
}

void LoadControl(QWidget& control, const ProfileFile& file, const std::string& section,
                 FormStateRules rules) {
  const std::string name = ToLatin(control.objectName());
  if (auto* spin = qobject_cast<QSpinBox*>(&control)) {
    spin->setValue(ToInteger(file.ReadString(section, name, "1")));
  } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
    const std::optional<std::string> value = file.Find(section, name);
    if (value) {
      edit->setText(FromLatin(*value));
    } else if (rules == FormStateRules::Options) {
      edit->setText(QStringLiteral("Entry"));
    }
  } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
    const std::string value = file.ReadString(section, name, "Entry");
    int match = -1;
    for (int i = 0; i < combo->count() && match < 0; ++i) {
      if (SameTextFolded(ToLatin(combo->itemText(i)), value)) match = i;
    }
    combo->setCurrentIndex(match);
    if (match < 0 && combo->isEditable()) combo->clearEditText();
  } else if (auto* check = qobject_cast<QCheckBox*>(&control)) {
    check->setChecked(file.ReadString(section, name, "0") == "1");
  } else if (auto* radio = qobject_cast<QRadioButton*>(&control)) {
    radio->setChecked(file.ReadString(section, name, "0") == "1");
  } else if (auto* list = qobject_cast<QListWidget*>(&control)) {
    for (int i = 0; i < list->count(); ++i) {
      QListWidgetItem& item = *list->item(i);
      if (!IsCheckItem(item)) continue;
      const bool on = file.ReadString(section, CheckListKey(name, item), "0") == "1";
      item.setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&control)) {
    memo->clear();
    const int stored = ToInteger(file.ReadString(section, MemoCountKey(name), "0"));
    const int count = std::min(stored, file.KeyCount(section));
    QStringList lines;
    for (int line = 0; line < count; ++line) {
      lines.append(FromLatin(file.ReadString(section, MemoLineKey(name, line), "")));
    }
    if (!lines.isEmpty()) memo->setPlainText(lines.join(QLatin1Char('\n')));
  }
}

void SaveControl(const QWidget& control, ProfileFile& file, const std::string& section) {
  const std::string name = ToLatin(control.objectName());
  if (const auto* spin = qobject_cast<const QSpinBox*>(&control)) {
    file.WriteString(section, name, std::to_string(spin->value()));
  } else if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
    file.WriteString(section, name, ToLatin(edit->text()));
  } else if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
    file.WriteString(section, name, ToLatin(combo->currentText()));
  } else if (const auto* check = qobject_cast<const QCheckBox*>(&control)) {
    file.WriteString(section, name, Flag(check->isChecked()));
  } else if (const auto* radio = qobject_cast<const QRadioButton*>(&control)) {
    file.WriteString(section, name, Flag(radio->isChecked()));
  } else if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
    for (int i = 0; i < list->count(); ++i) {
      const QListWidgetItem& item = *list->item(i);
      if (!IsCheckItem(item)) continue;
      file.WriteString(section, CheckListKey(name, item), Flag(item.checkState() == Qt::Checked));
    }
  } else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&control)) {
    const QStringList lines = MemoLines(*memo);
    file.WriteString(section, MemoCountKey(name), std::to_string(lines.size()));
    for (int line = 0; line < lines.size(); ++line) {
      file.WriteString(section, MemoLineKey(name, line), ToLatin(lines[line]));
    }
  }
}

}  // namespace

void LoadFormState(QWidget& window, const std::filesystem::path& iniPath, FormStateRules rules) {
  const std::string section = ToLatin(window.objectName());
  const ProfileFile file(iniPath);
  for (const QPointer<QWidget>& control : Controls(window, rules)) {
    // A slot reacting to an earlier control may have deleted a later one.
    if (control) LoadControl(*control, file, section, rules);
  }
}

std::string SaveFormState(const QWidget& window, const std::filesystem::path& iniPath,
                          FormStateRules rules) {
  const std::string section = ToLatin(window.objectName());
  ProfileFile file(iniPath);
  for (const QPointer<QWidget>& control : Controls(window, rules)) {
    SaveControl(*control, file, section);
  }
  return file.Save();
}

}  // namespace kestro
