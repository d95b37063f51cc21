#pragma once

#include <QString>

#include "ContentList.h"

namespace lumora::contentgen {

// How to say one recording, the hint the recording script (and any tool that asks a teacher
// to record) shows beside it: as one natural word, or, for a part of a two-part question, as
// a separate word with a level intonation; for a hard-to-hear syllable, what the ear must
// catch in it (breath, tension, pitch, closing); and the standard pronunciation in Hangul
// wherever the spelling does not say it (여덟 [여덜], 열여섯 [열려섣]).
QString howToSay(const Utterance& utterance);

}  // namespace lumora::contentgen
