#pragma once

#include <chrono>

#include "sound/AudioOutput.h"

// The real time without the pause between the two parts of a clock time: the benchmarks time
// the program, not the pause.
struct NoPauseClock final : lumora::Clock {
  void blockFor(std::chrono::milliseconds) override {}
  std::chrono::steady_clock::time_point now() const override {
    return std::chrono::steady_clock::now();
  }
  std::chrono::system_clock::time_point wallTime() const override {
    return std::chrono::system_clock::now();
  }
};
