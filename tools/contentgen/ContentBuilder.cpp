#include "ContentBuilder.h"

#include <cmath>

#include "Buzzers.h"
#include "Loudness.h"
#include "RecordingScript.h"
#include "SoundTableFiles.h"
#include "SyllablePicture.h"
#include "WaveFile.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {

ShippedSpeech shippedSpeech(const Pcm& speech) {
  const int margin = static_cast<int>(std::lround(kSpeechMarginSeconds * speech.sampleRate));
  // Loudness is measured without the silence; trimming again afterwards removes the quiet
  // edges that scaling down has turned into silence, and a short syllable's loudness moves
  // with its edges, so it is measured once more on what is kept.
  const SampleRange outer = audibleRange(speech, margin);
  const Pcm scaled = normalizeLoudness(slice(speech, outer));
  const SampleRange inner = audibleRange(scaled, margin);
  return {encodeWave(normalizeLoudness(slice(scaled, inner))),
          {outer.begin + inner.begin, outer.begin + inner.end}};
}

BuildReport buildContent(const ContentList& list, const QString& appFolder,
                         const SpeechSource& speak) {
  GeneratedFiles files(appFolder);
  const auto putSound = [&](const QString& name, const QByteArray& bytes) {
    files.put(names::kSoundFolder + u'/' + name, bytes);
  };
  for (const Utterance& utterance : utterances(list)) {
    putSound(utterance.fileName, spokenRecording(speak(utterance)));
  }
  for (const Syllable& syllable : list.syllables) {
    files.put(names::kPictureFolder + u'/' + names::picture(syllable.name),
              renderSyllablePicture(syllable.hangul));
  }
  putSound(names::kCorrectBuzzer, encodeWave(normalizeLoudness(correctChime())));
  putSound(names::kWrongBuzzer, encodeWave(normalizeLoudness(wrongBuzz())));
  putSound(names::kHardSoundTable, hardSoundTableFile(list));
  putSound(names::kSplitSoundTable, splitSoundTableFile(list));
  files.put(kRecordingScriptName, recordingScript(list));
  return files.finish();
}

}  // namespace lumora::contentgen
