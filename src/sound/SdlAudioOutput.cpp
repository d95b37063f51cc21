#include "sound/SdlAudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace lumora {
namespace {

class SilentAudioOutput final : public AudioOutput {
 public:
  void playAsync(const QString&) override {}
  void playSync(const QString&) override {}
  void stop() override {}
};

// One channel: every request stops what is still playing, as the trainer expects.
class SdlAudioOutput final : public AudioOutput {
 public:
  ~SdlAudioOutput() override {
    stop();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  void playAsync(const QString& path) override { start(path); }

  void playSync(const QString& path) override {
    if (!start(path)) return;
    while (Mix_Playing(kChannel) != 0) SDL_Delay(5);
  }

  void stop() override {
    Mix_HaltChannel(kChannel);
    if (chunk_ != nullptr) {
      Mix_FreeChunk(chunk_);
      chunk_ = nullptr;
    }
  }

 private:
  static constexpr int kChannel = 0;

  // A file that is missing or not a WAV plays nothing and reports nothing.
  bool start(const QString& path) {
    stop();
    chunk_ = Mix_LoadWAV(path.toUtf8().constData());
    if (chunk_ == nullptr) return false;
    return Mix_PlayChannel(kChannel, chunk_, 0) == kChannel;
  }

  Mix_Chunk* chunk_ = nullptr;
};

}  // namespace

std::unique_ptr<AudioOutput> makeSdlAudioOutput() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
      Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    std::fprintf(stderr, "Lumora: no audio device (%s); running without sound.\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return std::make_unique<SilentAudioOutput>();
  }
  Mix_AllocateChannels(1);
  return std::make_unique<SdlAudioOutput>();
}

}  // namespace lumora
