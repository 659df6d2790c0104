#pragma once

#include <QLineEdit>

namespace kestro {

// A single-line edit that shows what is typed in upper case, as identifier fields do.
class UpperCaseEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit UpperCaseEdit(QWidget* parent = nullptr);
  // setText for text from the program, which the typing rule does not see.
  void setUpperText(QString text);
};

// ASCII letters to upper case, as identifiers are compared; other characters stay.
void FoldAsciiUpper(QString& text);

}  // namespace kestro
