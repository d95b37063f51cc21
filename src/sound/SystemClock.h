#pragma once

#include <thread>

#include "sound/AudioOutput.h"

namespace lumora {

class SystemClock : public Clock {
 public:
  void blockFor(std::chrono::milliseconds duration) override {
    std::this_thread::sleep_for(duration);
  }
  std::chrono::steady_clock::time_point now() const override {
    return std::chrono::steady_clock::now();
  }
  std::chrono::system_clock::time_point wallTime() const override {
    return std::chrono::system_clock::now();
  }
};

}  // namespace lumora
