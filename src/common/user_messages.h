#pragma once

#include <string>

namespace kestro {

// Every message box of the program goes through this interface: the windows give it a Qt
// implementation, tests a scripted one, the command line one that writes to standard error.
// Texts are Windows-1252 bytes, as the data files hold them.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  virtual void Information(const std::string& text) = 0;
  virtual void Warning(const std::string& text) = 0;
  virtual void Error(const std::string& text) = 0;
  // A question with OK and Cancel; true for OK.
  [[nodiscard]] virtual bool ConfirmOkCancel(const std::string& text) = 0;
};

}  // namespace kestro
