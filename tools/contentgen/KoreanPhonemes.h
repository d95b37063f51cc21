#pragma once

#include <QString>

namespace lumora::contentgen {

// The pronunciation (Hangul) in espeak-ng's Korean phonemes, with the sounds of Seoul speech
// the voice does not choose by itself: a lax stop or affricate voiced between voiced sounds
// (시비 [ɕibi]) and voiceless with a light breath at the start, ㅆ with a long hiss, ㄹ a flap
// between vowels and [l] after ㄹ. The first syllable carries the stress; a space stays a word
// break.
QString espeakPhonemes(const QString& pronunciation);

}  // namespace lumora::contentgen
