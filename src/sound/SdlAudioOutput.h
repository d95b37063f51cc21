#pragma once

#include <memory>

#include "sound/AudioOutput.h"

namespace lumora {

// WAV playback through SDL2_mixer. Without a usable audio device it warns once on stderr
// and returns an output that stays silent.
std::unique_ptr<AudioOutput> makeSdlAudioOutput();

}  // namespace lumora
