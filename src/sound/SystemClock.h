#pragma once

#include <thread>

#include "sound/AudioOutput.h"

namespace lumora {

class SystemClock final : public Clock {
 public:
  void blockFor(std::chrono::milliseconds duration) override {
    std::this_thread::sleep_for(duration);
  }
  std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
};

}  // namespace lumora
