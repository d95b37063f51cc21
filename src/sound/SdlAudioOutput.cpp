#include "sound/SdlAudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <future>

#include "data/RecordingFile.h"
#include "sound/DecodedCache.h"

namespace lumora {
namespace {

// Desktop sound servers run at 48 kHz, so the samples need no further resampling there.
constexpr int kDeviceRate = 48000;
constexpr int kDeviceChannels = 1;  // every recording is mono
// Enough for the buzzers and a few dozen questions; a replay or a buzzer never reads a file.
constexpr std::size_t kCacheBytes = 4 * 1024 * 1024;

bool openDevice() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
      Mix_OpenAudioDevice(kDeviceRate, AUDIO_S16SYS, kDeviceChannels, kAudioBufferFrames, nullptr,
                          SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) !=
          0) {
    std::fprintf(stderr, "Lumora: no audio device (%s); running without sound.\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  return true;
}

struct ChunkDeleter {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using Chunk = std::shared_ptr<Mix_Chunk>;

// One channel: every request stops what is still playing, as the trainer expects.
class SdlAudioOutput final : public AudioOutput {
 public:
  SdlAudioOutput() : opened_(std::async(std::launch::async, openDevice)) {}

  ~SdlAudioOutput() override {
    if (!deviceReady()) return;
    stop();
    cache_.clear();  // the chunks go before the mixer that converted them
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  std::optional<RecordingFault> playAsync(const QString& path) override { return start(path); }

  std::optional<RecordingFault> playSync(const QString& path) override {
    const auto fault = start(path);
    while (deviceReady() && Mix_Playing(kChannel) != 0) SDL_Delay(2);
    return fault;
  }

  void stop() override {
    if (deviceReady()) Mix_HaltChannel(kChannel);
  }

 private:
  static constexpr int kChannel = 0;

  // Waits for the opening thread the first time; a question asked before the device is
  // ready is then heard in full.
  bool deviceReady() {
    if (!ready_) ready_ = opened_.get();
    return *ready_;
  }

  std::optional<RecordingFault> start(const QString& path) {
    if (!deviceReady()) return std::nullopt;
    stop();
    Chunk chunk = cache_.find(path);
    if (chunk == nullptr) {
      auto decoded = decode(path);
      if (const auto* fault = std::get_if<RecordingFault>(&decoded)) return *fault;
      chunk = std::get<Chunk>(decoded);
      cache_.insert(path, chunk, chunk->alen);
    }
    Mix_PlayChannel(kChannel, chunk.get(), 0);
    return std::nullopt;
  }

  // Decodes a recording once into the device's own format.
  static std::variant<Chunk, RecordingFault> decode(const QString& path) {
    const auto file = readRecording(path);
    if (const auto* fault = std::get_if<RecordingFault>(&file)) return *fault;
    const QByteArray& bytes = std::get<QByteArray>(file);
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
    if (chunk == nullptr) return RecordingFault::damaged;
    return Chunk(chunk, ChunkDeleter{});
  }

  std::future<bool> opened_;
  std::optional<bool> ready_;
  DecodedCache<Mix_Chunk> cache_{kCacheBytes};
};

}  // namespace

std::unique_ptr<AudioOutput> makeSdlAudioOutput() { return std::make_unique<SdlAudioOutput>(); }

}  // namespace lumora
