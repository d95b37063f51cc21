#include "ContentBuilder.h"

#include <cmath>

#include "Buzzers.h"
#include "SoundTableFiles.h"
#include "SyllablePicture.h"
#include "WaveFile.h"
#include "quiz/RecordingNames.h"

namespace lumora::contentgen {

QByteArray spokenRecording(const Pcm& speech) {
  const int margin = static_cast<int>(std::lround(kSpeechMarginSeconds * speech.sampleRate));
  // Loudness is measured without the silence; trimming again afterwards removes the quiet
  // edges that scaling down has turned into silence.
  return encodeWave(trimSilence(normalizeLoudness(trimSilence(speech, margin)), margin));
}

BuildReport buildContent(const ContentList& list, const QString& appFolder,
                         const SpeechSource& speak) {
  GeneratedFiles files(appFolder);
  const auto putSound = [&](const QString& name, const QByteArray& bytes) {
    files.put(names::kSoundFolder + u'/' + name, bytes);
  };
  for (const Utterance& utterance : utterances(list)) {
    const bool low = utterance.syllable && onsetSeries(utterance.text) == OnsetSeries::Lax;
    putSound(utterance.fileName,
             spokenRecording(speak(utterance.spoken, low ? Pitch::Low : Pitch::Normal)));
  }
  for (const Syllable& syllable : list.syllables) {
    files.put(names::kPictureFolder + u'/' + names::picture(syllable.name),
              renderSyllablePicture(syllable.hangul));
  }
  putSound(names::kCorrectBuzzer, encodeWave(correctChime()));
  putSound(names::kWrongBuzzer, encodeWave(wrongBuzz()));
  putSound(names::kHardSoundTable, hardSoundTableFile(list));
  putSound(names::kSplitSoundTable, splitSoundTableFile(list));
  return files.finish();
}

}  // namespace lumora::contentgen
