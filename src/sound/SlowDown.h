#pragma once

#include "sound/DecodedSound.h"

namespace lumora {

// The same sound played at `tempo` times its speed with its pitch kept, by SoundTouch's
// time-stretching (overlapping pieces of the waveform, so that voices stay natural).
DecodedSound slowedDown(const DecodedSound& sound, double tempo);

}  // namespace lumora
