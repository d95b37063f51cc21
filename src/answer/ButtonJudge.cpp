#include "answer/ButtonJudge.h"

namespace lumora {
namespace {

constexpr int kButtons = 3;

}  // namespace

ButtonVerdict judgeHardSoundPress(int pressed, int rightButton) {
  if (pressed == rightButton) return {true, std::nullopt};
  return {false, rightButton};
}

ButtonVerdict judgeWeekdayPress(int pressed, const std::array<std::int16_t, 4>& choices) {
  const int right = choices[0];
  if (choices.at(pressed + 1) == right) return {true, std::nullopt};
  for (int button = 0; button < kButtons; ++button) {
    if (button != pressed && choices[button + 1] == right) return {false, button};
  }
  return {false, std::nullopt};
}

}  // namespace lumora
