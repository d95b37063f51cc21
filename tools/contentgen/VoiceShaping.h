#pragma once

#include <QString>
#include <vector>

#include "ContentList.h"
#include "Pcm.h"
#include "Speech.h"

namespace lumora::contentgen {

// A pitch the voice is to have at a moment of the sound.
struct PitchPoint {
  double seconds = 0;
  double hz = 0;
};

// The voice's sound with the cues of Seoul speech put right where the synthesizer gets them
// wrong, and the melody it is to be given.
struct ShapedSpeech {
  Pcm sound;
  std::vector<PitchPoint> melody;  // none when the syllables could not be found
};

// Shapes what the voice said for a pronunciation (Hangul), at the places the acoustic check
// measures: a final stop loses its release; before a consonant its release and breath become
// one closure; the breath after a stop at the start is brought to the length of speech, and
// a tense one keeps a single burst; a voiceless gap in a lax stop between voiced sounds
// shrinks to a brief release; ㅆ hisses longer and stronger than ㅅ, with no breath after it.
// The melody starts low or high by the first consonant and rises to the end (Seoul phrase
// melody).
ShapedSpeech shapeSpeech(const Speech& speech, const QString& pronunciation);

// Every utterance's shaped sound, its melody given by PSOLA in one run of Praat; `renderings`
// holds the voice's raw rendering of each utterance, in the same order.
std::vector<Pcm> shapedVoice(const std::vector<Utterance>& utterances,
                             const std::vector<Speech>& renderings);

}  // namespace lumora::contentgen
