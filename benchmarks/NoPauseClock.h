#pragma once

#include <chrono>

#include "sound/SystemClock.h"

// The real time without the pause between the two parts of a clock time: the benchmarks time
// the program, not the pause.
struct NoPauseClock final : lumora::SystemClock {
  void blockFor(std::chrono::milliseconds) override {}
};
