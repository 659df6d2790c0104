#pragma once

#include <stdexcept>
#include <string>

namespace kestro {

// A conversion error in a data file: it ends the current operation, and the window that started
// the operation reports its text to the user (the standard error handling).
class DataError : public std::runtime_error {
 public:
  explicit DataError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kestro
