#pragma once

#include <cfenv>

namespace lumora::contentgen {

// Debian's SoundTouch is built with -ffast-math, so a process that loads it (the program's
// sound, and with it the studio and any build that links it) flushes tiny numbers to zero.
// aubio's floor for a logarithm is such a number: flushed, a silent frame's log is -inf and
// every figure it touches NaN; a resampled or levelled take could differ from the import's
// in its last bit. Each measure and the teacher's chain hold one of these for their span.
class DefaultFloatingPoint {
 public:
  DefaultFloatingPoint() {
    std::fegetenv(&saved_);
    std::fesetenv(FE_DFL_ENV);
  }
  ~DefaultFloatingPoint() { std::fesetenv(&saved_); }
  DefaultFloatingPoint(const DefaultFloatingPoint&) = delete;
  DefaultFloatingPoint& operator=(const DefaultFloatingPoint&) = delete;

 private:
  std::fenv_t saved_{};
};

}  // namespace lumora::contentgen
