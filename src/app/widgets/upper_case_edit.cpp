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
    for (QChar& c : input) {
      if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    }
    return Acceptable;
  }
};

}  // namespace

UpperCaseEdit::UpperCaseEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new UpperCaseValidator(this));
}

}  // namespace kestro
