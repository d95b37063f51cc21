#pragma once

#include <QString>
#include <vector>

#include "ContentList.h"
#include "Pcm.h"
#include "PraatPitch.h"
#include "Speech.h"

namespace lumora::contentgen {

// Every utterance's rendering shaped to Seoul speech. First it is given its melody, which
// starts low or high by the first consonant and rises to the end (Seoul phrase melody), by
// PSOLA in one run of Praat for all. Then it is edited at the places the acoustic check
// measures: a final stop loses its release; before a consonant its release and breath become
// one closure; the breath after a stop at the start is brought to the length of speech, and a
// tense one keeps a single burst; a voiceless gap in a lax stop between voiced sounds shrinks
// to a brief release; ㅆ hisses longer and stronger than ㅅ, with no breath after it. A
// rendering whose phonemes do not fit its pronunciation (Hangul) stays as it is, and so does
// a sound whose target the list excepts. `renderings` holds the voice's rendering of each
// utterance of the list, in the order of utterances(list).
std::vector<Pcm> shapedVoice(const ContentList& list, const std::vector<Speech>& renderings);

}  // namespace lumora::contentgen
