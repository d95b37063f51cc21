#pragma once

#include <chrono>

namespace lumora {

// The silence between the hour and the minute of a clock time; the window does not
// respond meanwhile.
inline constexpr std::chrono::milliseconds kClockTimePause{700};

}  // namespace lumora
