#pragma once

#include <QString>

#include "Speech.h"

namespace lumora::contentgen {

// Korean speech from the espeak-ng library, synthesized synchronously into memory. The
// library is one global engine: use one instance at a time. The engine carries state from
// one utterance to the next, so its output is reproducible per process: the same texts in the
// same order give the same samples. Text may hold espeak-ng phonemes between [[ and ]].
class EspeakSpeech {
 public:
  EspeakSpeech();  // throws ContentError when the engine or its Korean voice is missing
  EspeakSpeech(const EspeakSpeech&) = delete;
  EspeakSpeech& operator=(const EspeakSpeech&) = delete;

  // The spoken text, untrimmed, at the engine's sample rate, with where each phoneme starts.
  Speech speak(const QString& korean);

  // The phonemes the voice speaks for the text, as `espeak-ng -x` shows them.
  QString phonemes(const QString& korean);

 private:
  Speech speech_;  // filled by the engine's callback during speak()
};

}  // namespace lumora::contentgen
