#pragma once

#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace lumora {

// Controls that share one name and are told apart by an index, which need not start at 0:
// Command4(0..2), 時間制限(6).
template <typename Widget>
class ControlArray {
 public:
  ControlArray() = default;
  ControlArray(int firstIndex, std::initializer_list<Widget*> widgets)
      : first_(firstIndex), widgets_(widgets) {}

  Widget* operator()(int index) const {
    if (index < first_ || index - first_ >= static_cast<int>(widgets_.size())) {
      throw std::out_of_range("control array index");
    }
    return widgets_[index - first_];
  }

  int firstIndex() const { return first_; }
  int size() const { return static_cast<int>(widgets_.size()); }

 private:
  int first_ = 0;
  std::vector<Widget*> widgets_;
};

}  // namespace lumora
