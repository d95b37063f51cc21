#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Judging a press of one of the three answer buttons.
namespace lumora {

struct ButtonVerdict {
  bool right = false;
  // After a wrong press: the button that carries the right answer, to be marked.
  std::optional<int> rightButton;
};

// Hard-to-hear question: the right button is `rightButton` (0..2).
ButtonVerdict judgeHardSoundPress(int pressed, int rightButton);

// Weekday question: choices[0] is the right weekday, choices[1..3] those on the buttons.
// The right button is the first other button, in index order, that holds the right one.
ButtonVerdict judgeWeekdayPress(int pressed, const std::array<std::int16_t, 4>& choices);

}  // namespace lumora
