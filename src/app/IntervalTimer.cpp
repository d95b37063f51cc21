#include "app/IntervalTimer.h"

namespace lumora {

IntervalTimer::IntervalTimer(std::function<void()> onTick) {
  QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
}

void IntervalTimer::setInterval(int milliseconds) {
  interval_ = milliseconds;
  apply();
}

void IntervalTimer::setEnabled(bool enabled) {
  enabled_ = enabled;
  apply();
}

void IntervalTimer::apply() {
  if (enabled_ && interval_ > 0) {
    timer_.start(interval_);
  } else {
    timer_.stop();
  }
}

}  // namespace lumora
