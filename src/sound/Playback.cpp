#include "sound/Playback.h"

#include <QCoreApplication>

#include "app/Form1.h"
#include "data/Category.h"
#include "data/RecordingNames.h"

namespace lumora {

void Form1::playQuestionSound(std::int16_t kind, const QString& fileA, const QString& fileB,
                              PlaySpeed speed) {
  switch (kind) {
    case 1:
      playRecording(&AudioOutput::playAsync, soundDir + fileA, speed);
      break;
    case 2:
      // Half a question would be answered as if it were the whole.
      if (!playRecording(&AudioOutput::playSync, soundDir + fileA, speed)) return;
      if (closeRequestedMeanwhile()) return;
      if (quizCategory == category::kClockTime) {
        platform_.clock->blockFor(kClockTimePause);
        if (closeRequestedMeanwhile()) return;
      }
      playRecording(&AudioOutput::playAsync, soundDir + fileB, speed);
      break;
    case 3:
      playRecording(&AudioOutput::playAsync, hardSoundDir + fileA, speed);
      break;
    default:
      break;
  }
}

void Form1::playCorrectBuzzer() {
  playRecording(&AudioOutput::playAsync, soundDir + names::kCorrectBuzzer, PlaySpeed::normal);
}

void Form1::playWrongBuzzer() {
  playRecording(&AudioOutput::playAsync, soundDir + names::kWrongBuzzer, PlaySpeed::normal);
}

void Form1::再度再生_Click() { replayQuestion(PlaySpeed::normal); }

void Form1::ゆっくり再生_Click() { replayQuestion(PlaySpeed::slow); }

void Form1::replayQuestion(PlaySpeed speed) {
  soundKind = replaySoundKind;
  soundFileA = replaySoundFileA;
  soundFileB = replaySoundFileB;
  countReplay();
  playQuestionSound(soundKind, soundFileA, soundFileB, speed);
  if (Text1->isEnabled()) Text1->setFocus();
}

bool Form1::playRecording(PlayRequest request, const QString& path, PlaySpeed speed) {
  const std::optional<RecordingFault> fault = (platform_.audio.get()->*request)(path, speed);
  if (fault) tellRecordingFault(*fault, path);
  return !fault;
}

// Each cause is told once, naming its first file; the data check lists the others. A run
// is stopped before its message, as for every message of a run: no tick may pose a question
// behind the box, and a run whose recordings stay silent trains nothing.
void Form1::tellRecordingFault(RecordingFault fault, const QString& path) {
  if (!recordingFaultsTold_.insert(fault).second) return;
  const QString text = recordingFaultMessage(fault, path);
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
