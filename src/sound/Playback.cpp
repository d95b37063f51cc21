#include "sound/Playback.h"

#include <QCoreApplication>

#include "app/Form1.h"
#include "data/Category.h"
#include "data/RecordingNames.h"

namespace lumora {

void Form1::playQuestionSound(std::int16_t kind, const QString& fileA, const QString& fileB) {
  switch (kind) {
    case 1:
      playRecording(&AudioOutput::playAsync, soundDir + fileA);
      break;
    case 2:
      playRecording(&AudioOutput::playSync, soundDir + fileA);
      if (closeRequestedMeanwhile()) return;
      if (quizCategory == category::kClockTime) {
        platform_.clock->blockFor(kClockTimePause);
        if (closeRequestedMeanwhile()) return;
      }
      playRecording(&AudioOutput::playAsync, soundDir + fileB);
      break;
    case 3:
      playRecording(&AudioOutput::playAsync, hardSoundDir + fileA);
      break;
    default:
      break;
  }
}

void Form1::playCorrectBuzzer() {
  playRecording(&AudioOutput::playAsync, soundDir + names::kCorrectBuzzer);
}

void Form1::playWrongBuzzer() {
  playRecording(&AudioOutput::playAsync, soundDir + names::kWrongBuzzer);
}

void Form1::再度再生_Click() {
  soundKind = replaySoundKind;
  soundFileA = replaySoundFileA;
  soundFileB = replaySoundFileB;
  countReplay();
  playQuestionSound(soundKind, soundFileA, soundFileB);
  if (Text1->isEnabled()) Text1->setFocus();
}

// Each cause is told once, naming its first file; the data check lists the others. A run
// is stopped before its message, as for every message of a run: no tick may pose a question
// behind the box, and a run whose recordings stay silent trains nothing.
void Form1::playRecording(PlayRequest request, const QString& path) {
  const std::optional<RecordingFault> fault = (platform_.audio.get()->*request)(path);
  if (!fault || !recordingFaultsTold_.insert(*fault).second) return;
  const QString text = recordingFaultMessage(*fault, path);
  if (Timer1.Enabled()) {
    stopRunWithMessage(&Dialogs::warning, kApplicationTitle, text);
  } else {
    platform_.dialogs->warning(kApplicationTitle, text);
  }
}

// The window ignores input while a recording blocks it, but a close requested meanwhile
// is taken at once: without this, a tick due meanwhile would pose one more question first.
// Timer events stay queued here, and a handler any other event asks for waits behind the
// gate, so nothing runs from inside this question.
bool Form1::closeRequestedMeanwhile() {
  gate_.holdDuring([] {
    QCoreApplication::processEvents(
        QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers,
        kCloseRequestWait.count());
  });
  return closeRequested_;
}

}  // namespace lumora
