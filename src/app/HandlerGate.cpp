#include "app/HandlerGate.h"

#include <utility>

namespace lumora {

void HandlerGate::run(const std::function<void()>& handler) {
  if (closed_) return;
  if (held_) {
    waiting_.push_back(handler);
    return;
  }
  handler();
}

void HandlerGate::holdDuring(const std::function<void()>& wait) {
  held_ = true;
  wait();
  held_ = false;
  for (const std::function<void()>& handler : std::exchange(waiting_, {})) {
    QMetaObject::invokeMethod(
        &owner_, [this, handler] { run(handler); }, Qt::QueuedConnection);
  }
}

void HandlerGate::close() {
  closed_ = true;
  waiting_.clear();
}

}  // namespace lumora
