#include "app/widgets/upper_case_edit.h"

#include <QValidator>

namespace kestro {
namespace {

// Folds ASCII letters while the text is being typed or pasted, before the edit takes the text, so
// the change handlers see one change with the upper-case text.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& /*pos*/) const override {
    FoldAsciiUpper(input);
    return Acceptable;
  }
};

}  // namespace

void FoldAsciiUpper(QString& text) {
  for (QChar& c : text) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  }
}

void UpperCaseEdit::setUpperText(QString text) {
  FoldAsciiUpper(text);
  setText(text);
}

UpperCaseEdit::UpperCaseEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new UpperCaseValidator(this));
}

}  // namespace kestro
