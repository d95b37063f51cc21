#pragma once

#include <chrono>

namespace lumora {

// The silence between the hour and the minute of a clock time; the window does not
// respond meanwhile.
inline constexpr std::chrono::milliseconds kClockTimePause{700};

// The longest the window takes, after a blocking recording, to look for a close request.
inline constexpr std::chrono::milliseconds kCloseRequestWait{50};

}  // namespace lumora
