#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

#include "data/RecordingFault.h"

namespace lumora {

// How the sound device takes its samples: signed 16 bits, channels interleaved.
struct DeviceFormat {
  int rate = 0;
  int channels = 0;
};

// A recording in the device's format, ready to be handed to it as it is.
struct DecodedSound {
  std::vector<std::int16_t> samples;
  DeviceFormat format;

  std::size_t bytes() const { return samples.size() * sizeof(std::int16_t); }
};

// Decodes the bytes of a checked WAV file with SDL and converts them to the device's format
// with an SDL_AudioStream.
std::variant<DecodedSound, RecordingFault> decodeWave(const QByteArray& wave, DeviceFormat device);

// The bytes of a recording the player accepts, checked and decoded as the player does, or why
// it cannot be played: what passes here, the player plays.
std::variant<QByteArray, RecordingFault> readPlayableRecording(const QString& path);

}  // namespace lumora
