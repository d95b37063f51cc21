#include "sound/SdlAudioOutput.h"

#include <SDL.h>

#include <QFileInfo>
#include <QObject>
#include <QThreadPool>
#include <algorithm>
#include <cstdio>
#include <future>
#include <utility>

#include "data/RecordingFile.h"
#include "sound/DecodedCache.h"
#include "sound/SlowDown.h"

namespace lumora {
namespace {

// Desktop sound servers run at 48 kHz, so the samples need no further resampling there.
constexpr int kDeviceRate = 48000;
constexpr int kDeviceChannels = 1;  // every recording is mono
// Enough for the buzzers and a few dozen questions; a replay or a buzzer never reads a file.
constexpr std::size_t kCacheBytes = 4 * 1024 * 1024;
// The trainer's recordings last a few seconds: files up to this size are decoded, and
// slowed, within milliseconds on request. Larger ones are left to the decoding thread, so
// that the window never waits for them.
constexpr qint64 kDecodedOnRequestBytes = 256 * 1024;

struct RecordingKey {
  QString path;
  PlaySpeed speed;
  bool operator==(const RecordingKey&) const = default;
};

using Sound = std::shared_ptr<const DecodedSound>;
using Prepared = std::variant<Sound, RecordingFault>;

// The one voice: the sound playing and how far the device has taken it.
struct Voice {
  Sound sound;
  std::size_t position = 0;

  bool playing() const { return sound != nullptr && position < sound->samples.size(); }

  void fill(std::int16_t* out, std::size_t count) {
    std::size_t copied = 0;
    if (playing()) {
      copied = std::min(count, sound->samples.size() - position);
      std::copy_n(sound->samples.data() + position, copied, out);
      position += copied;
    }
    std::fill(out + copied, out + count, std::int16_t{0});
  }
};

// The voice is shared with the device's thread, which holds this lock while it fills.
class DeviceLock {
 public:
  explicit DeviceLock(SDL_AudioDeviceID device) : device_(device) { SDL_LockAudioDevice(device); }
  ~DeviceLock() { SDL_UnlockAudioDevice(device_); }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

class SdlAudioOutput final : public AudioOutput {
 public:
  explicit SdlAudioOutput(DeviceTap tap) : tap_(std::move(tap)) {
    decoder_.setMaxThreadCount(1);
    decoder_.setExpiryTimeout(-1);  // one thread for good, which keeps reusing its memory
    auto opening = std::make_shared<std::promise<bool>>();
    opened_ = opening->get_future();
    decoder_.start([this, opening] { opening->set_value(openDevice()); });
  }

  ~SdlAudioOutput() override {
    decoder_.waitForDone();
    if (!deviceReady()) return;
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  std::optional<RecordingFault> playAsync(const QString& path, PlaySpeed speed) override {
    if (!deviceReady()) return std::nullopt;
    const std::uint64_t request = silence();
    const RecordingKey key{path, speed};
    if (const auto now = preparedNow(key)) return started(*now, request);
    decoder_.start([this, key, request] {
      if (const auto fault = started(prepare(key), request)) tellLate(key.path, *fault);
    });
    return std::nullopt;
  }

  std::optional<RecordingFault> playSync(const QString& path, PlaySpeed speed) override {
    if (!deviceReady()) return std::nullopt;
    const std::uint64_t request = silence();
    const RecordingKey key{path, speed};
    std::optional<Prepared> prepared = preparedNow(key);
    if (!prepared) {
      std::promise<Prepared> made;
      std::future<Prepared> result = made.get_future();
      decoder_.start([this, &made, &key] { made.set_value(prepare(key)); });
      prepared = result.get();
    }
    if (const auto fault = started(*prepared, request)) return fault;
    return waitForTheEnd();
  }

  void stop() override {
    if (deviceReady()) silence();
  }

  void setLateFaultHandler(LateFaultHandler handler) override {
    lateFaultHandler_ = std::move(handler);
  }

 private:
  bool openDevice() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kDeviceChannels;
    wanted.samples = kAudioBufferFrames;
    wanted.callback = fillDevice;
    wanted.userdata = this;
    SDL_AudioSpec got{};
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        (device_ = SDL_OpenAudioDevice(
             nullptr, 0, &wanted, &got,
             SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE)) == 0) {
      std::fprintf(stderr, "Lumora: no audio device (%s); running without sound.\n",
                   SDL_GetError());
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    format_ = {got.freq, got.channels};
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  static void SDLCALL fillDevice(void* self, Uint8* stream, int bytes) {
    auto& output = *static_cast<SdlAudioOutput*>(self);
    auto* samples = reinterpret_cast<std::int16_t*>(stream);
    const std::size_t count = std::size_t(bytes) / sizeof(std::int16_t);
    output.voice_.fill(samples, count);
    if (output.tap_) output.tap_(samples, count, output.format_);
  }

  // Waits for the opening thread the first time; a question asked before the device is
  // ready is then heard in full.
  bool deviceReady() {
    if (!ready_) ready_ = opened_.get();
    return *ready_;
  }

  // Every request stops what is playing, and no request made before it starts any more.
  std::uint64_t silence() {
    Sound stopped;  // let go of outside the lock
    const DeviceLock lock(device_);
    stopped = std::exchange(voice_.sound, nullptr);
    return ++requests_;
  }

  std::optional<RecordingFault> started(const Prepared& prepared, std::uint64_t request) {
    if (const auto* fault = std::get_if<RecordingFault>(&prepared)) return *fault;
    if (SDL_GetAudioDeviceStatus(device_) != SDL_AUDIO_PLAYING) {
      return RecordingFault::deviceFailed;
    }
    const DeviceLock lock(device_);
    if (request == requests_) voice_ = {std::get<Sound>(prepared), 0};
    return std::nullopt;
  }

  std::optional<RecordingFault> waitForTheEnd() {
    while (SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING) {
      {
        const DeviceLock lock(device_);
        if (!voice_.playing()) return std::nullopt;
      }
      SDL_Delay(2);
    }
    return RecordingFault::deviceFailed;
  }

  // From the cache, or made at once when that is quick; nothing when it is to be made on
  // the decoding thread.
  std::optional<Prepared> preparedNow(const RecordingKey& key) {
    if (Sound cached = cache_.find(key)) return cached;
    if (QFileInfo(key.path).size() > kDecodedOnRequestBytes) return std::nullopt;
    return prepare(key);
  }

  Prepared prepare(const RecordingKey& key) {
    if (Sound cached = cache_.find(key)) return cached;
    Prepared prepared = key.speed == PlaySpeed::slow ? slowed(key.path) : decoded(key.path);
    if (const Sound* sound = std::get_if<Sound>(&prepared)) {
      cache_.insert(key, *sound, (*sound)->bytes());
    }
    return prepared;
  }

  Prepared decoded(const QString& path) const {
    const auto file = readRecording(path);
    if (const auto* fault = std::get_if<RecordingFault>(&file)) return *fault;
    auto sound = decodeWave(std::get<QByteArray>(file), format_);
    if (const auto* fault = std::get_if<RecordingFault>(&sound)) return *fault;
    return std::make_shared<const DecodedSound>(std::move(std::get<DecodedSound>(sound)));
  }

  // Made from the recording as decoded, which has usually just been played.
  Prepared slowed(const QString& path) {
    const Prepared normal = prepare({path, PlaySpeed::normal});
    if (const auto* fault = std::get_if<RecordingFault>(&normal)) return *fault;
    return std::make_shared<const DecodedSound>(slowedDown(*std::get<Sound>(normal), kSlowTempo));
  }

  // Told on the thread that made the request, once its event loop comes round.
  void tellLate(const QString& path, RecordingFault fault) {
    QMetaObject::invokeMethod(
        &requester_,
        [this, path, fault] {
          if (lateFaultHandler_) lateFaultHandler_(path, fault);
        },
        Qt::QueuedConnection);
  }

  DeviceTap tap_;
  QObject requester_;
  LateFaultHandler lateFaultHandler_;
  DecodedCache<RecordingKey, DecodedSound> cache_{kCacheBytes};
  std::future<bool> opened_;
  std::optional<bool> ready_;
  SDL_AudioDeviceID device_ = 0;
  DeviceFormat format_;
  Voice voice_;                 // under the device lock
  std::uint64_t requests_ = 0;  // under the device lock
  QThreadPool decoder_;
};

}  // namespace

std::unique_ptr<AudioOutput> makeSdlAudioOutput(DeviceTap tap) {
  return std::make_unique<SdlAudioOutput>(std::move(tap));
}

}  // namespace lumora
