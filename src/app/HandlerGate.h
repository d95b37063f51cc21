#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace lumora {

// Handlers run one at a time. While a recording blocks the window, its loop turns only to
// take a close request; a handler that an event asks for meanwhile (an assistive tool's
// press, a posted event) runs once the blocking one has finished, as the learner's own clicks
// and keys do. Once the window is closing, none runs any more.
class HandlerGate {
 public:
  // Held handlers are queued as events of `owner`, and go with it.
  explicit HandlerGate(QObject& owner) : owner_(owner) {}

  void run(const std::function<void()>& handler);
  // Runs `wait` with the gate held, then queues what was asked for meanwhile.
  void holdDuring(const std::function<void()>& wait);
  void close();

 private:
  QObject& owner_;
  bool held_ = false;
  bool closed_ = false;
  std::vector<std::function<void()>> waiting_;
};

}  // namespace lumora
