#include "sound/Playback.h"

#include "app/Form1.h"
#include "data/Category.h"
#include "data/RecordingNames.h"

namespace lumora {

void Form1::playQuestionSound(std::int16_t kind, const QString& fileA, const QString& fileB) {
  switch (kind) {
    case 1:
      platform_.audio->playAsync(soundDir + fileA);
      break;
    case 2:
      platform_.audio->playSync(soundDir + fileA);
      if (quizCategory == category::kClockTime) platform_.clock->blockFor(kClockTimePause);
      platform_.audio->playAsync(soundDir + fileB);
      break;
    case 3:
      platform_.audio->playAsync(hardSoundDir + fileA);
      break;
    default:
      break;
  }
}

void Form1::playCorrectBuzzer() { platform_.audio->playAsync(soundDir + names::kCorrectBuzzer); }

void Form1::playWrongBuzzer() { platform_.audio->playAsync(soundDir + names::kWrongBuzzer); }

void Form1::再度再生_Click() {
  soundKind = replaySoundKind;
  soundFileA = replaySoundFileA;
  soundFileB = replaySoundFileB;
  playQuestionSound(soundKind, soundFileA, soundFileB);
  if (Text1->isEnabled()) Text1->setFocus();
}

}  // namespace lumora
