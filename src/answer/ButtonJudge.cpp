#include "answer/ButtonJudge.h"

#include "quiz/RecordingNames.h"

namespace lumora {
namespace {

constexpr int kButtons = 3;
constexpr int kFirstSyllableColumn = 3;

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

std::optional<QString> hardSoundRecording(const TextTable& table, int row, int button) {
  if (row < 0 || row >= table.rowCount() || button < 0 || button >= kButtons) {
    return std::nullopt;
  }
  return names::hardSound(table(row, kFirstSyllableColumn + button));
}

}  // namespace lumora
