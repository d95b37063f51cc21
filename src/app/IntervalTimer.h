#pragma once

#include <QTimer>
#include <functional>

namespace lumora {

// A timer that ticks once per interval while enabled. An interval of 0 means no ticks at
// all (a bare QTimer would fire continuously instead).
class IntervalTimer {
 public:
  explicit IntervalTimer(std::function<void()> onTick);

  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  void setInterval(int milliseconds);
  void setEnabled(bool enabled);

  // Whether ticks are really being delivered.
  bool isTicking() const { return timer_.isActive(); }

 private:
  void apply();

  QTimer timer_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace lumora
