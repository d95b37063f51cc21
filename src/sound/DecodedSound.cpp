#include "sound/DecodedSound.h"

#include <SDL.h>

#include <memory>

#include "data/RecordingFile.h"

namespace lumora {
namespace {

struct WaveDeleter {
  void operator()(Uint8* samples) const { SDL_FreeWAV(samples); }
};

struct StreamDeleter {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

}  // namespace

std::variant<DecodedSound, RecordingFault> decodeWave(const QByteArray& wave, DeviceFormat device) {
  SDL_AudioSpec fileFormat{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.constData(), int(wave.size())), 1, &fileFormat,
                     &samples, &length) == nullptr) {
    return RecordingFault::damaged;
  }
  const std::unique_ptr<Uint8, WaveDeleter> file(samples);
  const std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(
      SDL_NewAudioStream(fileFormat.format, fileFormat.channels, fileFormat.freq, AUDIO_S16SYS,
                         Uint8(device.channels), device.rate));
  if (stream == nullptr || SDL_AudioStreamPut(stream.get(), file.get(), int(length)) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0) {
    return RecordingFault::damaged;
  }
  DecodedSound sound{
      std::vector<std::int16_t>(SDL_AudioStreamAvailable(stream.get()) / sizeof(std::int16_t)),
      device};
  const int got = SDL_AudioStreamGet(stream.get(), sound.samples.data(), int(sound.bytes()));
  if (got < 0) return RecordingFault::damaged;
  sound.samples.resize(got / sizeof(std::int16_t));
  return sound;
}

std::variant<QByteArray, RecordingFault> readPlayableRecording(const QString& path) {
  auto read = readRecording(path);
  if (const auto* bytes = std::get_if<QByteArray>(&read)) {
    // Any device format will do: a file SDL cannot decode fails whatever it is converted to.
    const auto decoded = decodeWave(*bytes, DeviceFormat{48000, 2});
    if (const auto* fault = std::get_if<RecordingFault>(&decoded)) return *fault;
  }
  return read;
}

}  // namespace lumora
