#pragma once

#include <ostream>

#include "common/user_messages.h"

namespace kestro::cli {

// Message boxes of the engine written as lines to standard error. A batch run never answers a
// question with OK: nothing is removed or overwritten without a pilot's confirmation.
class StreamMessages : public UserMessages {
 public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  void Information(const std::string& text) override { err_ << text << "\n"; }
  void Warning(const std::string& text) override { err_ << "warning: " << text << "\n"; }
  void Error(const std::string& text) override {
    err_ << "error: " << text << "\n";
    ++errors_;
  }
  [[nodiscard]] bool ConfirmOkCancel(const std::string& text) override {
    err_ << text << " (not confirmed in a batch run)\n";
    return false;
  }
  [[nodiscard]] int errors() const noexcept { return errors_; }

 private:
  std::ostream& err_;
  int errors_ = 0;
};

}  // namespace kestro::cli
