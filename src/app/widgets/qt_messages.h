#pragma once

#include <QWidget>

#include "common/user_messages.h"

namespace kestro {

// Message boxes with one OK button (information, warning, error icon) and the OK/Cancel question,
// shown over the given parent window. Texts are Windows-1252 bytes.
class QtMessages : public UserMessages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  void Error(const std::string& text) override;
  [[nodiscard]] bool ConfirmOkCancel(const std::string& text) override;

 private:
  QWidget* parent_;
};

// Windows-1252 bytes of the data files to and from Qt's text.
[[nodiscard]] QString FromLatin(const std::string& text);
[[nodiscard]] std::string ToLatin(const QString& text);

}  // namespace kestro
