#pragma once

#include <QAbstractButton>
#include <QKeySequence>
#include <vector>

namespace lumora {

class Form1;

// A key that presses a button of the window from anywhere in it, as long as the button is
// enabled: replay, slow replay, the answer buttons, the loudspeaker buttons and the learning
// record. The option keys take Alt, which keeps the digit key whatever the keyboard layout puts
// on its shifted level.
struct KeyBinding {
  enum class Target { replay, slowReplay, answer, option, record };
  QKeySequence keys;
  Target target;
  int index = 0;  // of the answer or loudspeaker button
};

const std::vector<KeyBinding>& keyMap();

QAbstractButton* boundButton(Form1& form, const KeyBinding& binding);

// Binds the key map, names the keys in the buttons' tool tips, and lets Enter ask the next
// question in manual mode from an empty answer box or an answer button. Enter never judges.
// The digit and Enter keys wait as the window's AnswerKeyGuard says.
void installKeyboard(Form1& form);

}  // namespace lumora
