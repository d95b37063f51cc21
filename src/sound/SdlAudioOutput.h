#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "sound/AudioOutput.h"
#include "sound/DecodedSound.h"

namespace lumora {

// Frames per device period: 512 frames are 10.7 ms at 48 kHz (11.6 ms at 44.1 kHz), so a
// request waits less than 12 ms for its first samples to reach the device, while SDL's audio
// thread still has a whole period to wake on a busy two-core machine.
inline constexpr int kAudioBufferFrames = 512;

// Sees every buffer handed to the device, on the device's thread.
using DeviceTap =
    std::function<void(const std::int16_t* samples, std::size_t count, DeviceFormat format)>;

// WAV playback on SDL's own audio device with one voice. The device is opened on a worker
// thread so that the window need not wait for the sound system; the first request waits
// for it. Recordings are decoded once, on that thread when they are long. Without a usable
// device it warns once on stderr and stays silent. SDL's own SIGINT and SIGTERM handlers
// are kept out, so both signals end the program as usual.
std::unique_ptr<AudioOutput> makeSdlAudioOutput(DeviceTap tap = {});

}  // namespace lumora
