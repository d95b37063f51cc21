#include "SdlMicrophone.h"

#include <SDL.h>

#include "Take.h"

namespace lumora::studio {
namespace {

// About 21 ms a period: the meter moves smoothly, and a take starts within a period.
constexpr Uint16 kPeriodFrames = 1024;

class SdlMicrophone final : public Microphone {
 public:
  SdlMicrophone() : initialized_(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}

  ~SdlMicrophone() override {
    close();
    if (initialized_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  QStringList devices() override {
    QStringList names;
    if (!initialized_) return names;
    const int count = SDL_GetNumAudioDevices(1);
    for (int i = 0; i < count; ++i) {
      if (const char* name = SDL_GetAudioDeviceName(i, 1)) names.append(QString::fromUtf8(name));
    }
    return names;
  }

  bool open(const QString& device) override {
    close();
    if (!initialized_) return false;
    // SDL converts whatever the device delivers into this.
    SDL_AudioSpec wanted{};
    wanted.freq = kCaptureRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = kPeriodFrames;
    SDL_AudioSpec obtained{};
    const QByteArray name = device.toUtf8();
    device_ = SDL_OpenAudioDevice(device.isEmpty() ? nullptr : name.constData(), 1, &wanted,
                                  &obtained, 0);
    return device_ != 0;
  }

  void start() override {
    if (device_ == 0) return;
    SDL_ClearQueuedAudio(device_);
    SDL_PauseAudioDevice(device_, 0);
  }

  void stop() override {
    if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
  }

  std::vector<float> newSamples() override {
    std::vector<float> samples;
    if (device_ == 0) return samples;
    samples.resize(SDL_GetQueuedAudioSize(device_) / sizeof(float));
    const Uint32 bytes = SDL_DequeueAudio(device_, samples.data(),
                                          static_cast<Uint32>(samples.size() * sizeof(float)));
    samples.resize(bytes / sizeof(float));
    return samples;
  }

  bool lost() override {
    return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
  }

 private:
  void close() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
  }

  bool initialized_;
  SDL_AudioDeviceID device_ = 0;
};

}  // namespace

std::unique_ptr<Microphone> makeSdlMicrophone() { return std::make_unique<SdlMicrophone>(); }

}  // namespace lumora::studio
