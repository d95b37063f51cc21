#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "data/Category.h"

namespace lumora {

// Everything one question sets when it is posed: the expected answer, the recording, the
// options on the answer buttons and the key the no-repeat rule compares. A value left
// empty is one the question does not touch, so it keeps what earlier questions left.
struct Question {
  std::int16_t category = 0;
  std::int16_t answerCount = 1;
  std::int16_t firstValue = 0;
  std::optional<std::int16_t> secondValue;
  std::int16_t soundKind = 1;
  QString fileA;
  std::optional<QString> fileB;
  std::int16_t key = 0;
  std::optional<std::int16_t> minuteRow;
  std::optional<std::int16_t> hardSoundRow;
  std::optional<std::array<std::int16_t, 4>> choiceValues;
  std::optional<std::array<QString, 3>> captions;
  std::optional<std::array<QString, 3>> pictures;

  bool answeredWithButtons() const { return captions.has_value() || pictures.has_value(); }
};

}  // namespace lumora
