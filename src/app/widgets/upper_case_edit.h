#pragma once

#include <QLineEdit>

namespace kestro {

// A single-line edit that shows what is typed in upper case, as identifier fields do.
class UpperCaseEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit UpperCaseEdit(QWidget* parent = nullptr);
};

}  // namespace kestro
