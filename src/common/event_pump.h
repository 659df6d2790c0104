#pragma once

#include <functional>

namespace kestro {

// Long operations let pending window messages run while they work. The engine code only calls
// this hook; the windows set it to QCoreApplication::processEvents, tests and the command line
// leave it empty or count the calls.
using EventPump = std::function<void()>;

inline void PumpEvents(const EventPump& pump) {
  if (pump) pump();
}

}  // namespace kestro
