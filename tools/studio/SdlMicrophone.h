#pragma once

#include <memory>

#include "Microphone.h"

namespace lumora::studio {

// Capture through SDL2's own audio, the library the program plays through. SDL queues what
// the device delivers, so nothing runs on SDL's thread but SDL itself. The audio subsystem
// must be free to be set up on the calling thread (the player's device already open).
std::unique_ptr<Microphone> makeSdlMicrophone();

}  // namespace lumora::studio
