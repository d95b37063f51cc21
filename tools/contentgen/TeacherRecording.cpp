#include "TeacherRecording.h"

#include <fcntl.h>
#include <samplerate.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "ContentBuilder.h"
#include "ContentError.h"
#include "DefaultFloatingPoint.h"
#include "Loudness.h"
#include "data/DurableFile.h"
#include "data/RecordingFile.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {
namespace {

struct SoundFileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

constexpr sf_count_t kFramesPerRead = 4096;

struct MonoSound {
  int sampleRate = 0;
  std::vector<float> samples;
};

// Opened without blocking and checked before anything is read: a named pipe, or a link to
// one, would otherwise wait for a writer for ever.
int openRegularFile(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw ContentError(QString::fromLocal8Bit(std::strerror(errno)));
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    throw ContentError(QStringLiteral("普通のファイルではありません"));
  }
  return fd;
}

// The file's frames with the channels averaged.
MonoSound readMono(const QString& path) {
  SF_INFO info{};
  const std::unique_ptr<SNDFILE, SoundFileCloser> file(
      sf_open_fd(openRegularFile(path), SFM_READ, &info, SF_TRUE));
  if (!file) throw ContentError(QString::fromUtf8(sf_strerror(nullptr)));
  // Checked before anything is allocated: resampling from a rate of 1 Hz would need
  // gigabytes.
  if (info.samplerate < int{kMinRecordingRate} || info.samplerate > int{kMaxRecordingRate}) {
    throw ContentError(QStringLiteral("サンプリング周波数 %1 Hz は扱えません（%2〜%3 Hz）")
                           .arg(info.samplerate)
                           .arg(kMinRecordingRate)
                           .arg(kMaxRecordingRate));
  }
  MonoSound sound{info.samplerate, {}};
  std::vector<float> frames(static_cast<size_t>(kFramesPerRead * info.channels));
  sf_count_t read = 0;
  while ((read = sf_readf_float(file.get(), frames.data(), kFramesPerRead)) > 0) {
    for (sf_count_t frame = 0; frame < read; ++frame) {
      float sum = 0;
      for (int channel = 0; channel < info.channels; ++channel) {
        sum += frames[static_cast<size_t>(frame * info.channels + channel)];
      }
      // A NaN or infinite sample would come out as full-scale noise, or as nothing at all.
      if (!std::isfinite(sum)) {
        throw ContentError(QStringLiteral("数値でないサンプル（NaN または無限大）があります"));
      }
      sound.samples.push_back(sum / static_cast<float>(info.channels));
    }
  }
  if (sf_error(file.get()) != SF_ERR_NO_ERROR) {
    throw ContentError(QString::fromUtf8(sf_strerror(file.get())));
  }
  return sound;
}

std::vector<float> resampled(std::span<const float> samples, int rate, int toRate) {
  if (rate == toRate || samples.empty()) return {samples.begin(), samples.end()};
  const double ratio = double(toRate) / rate;
  std::vector<float> output(static_cast<size_t>(std::ceil(samples.size() * ratio)) + 16);
  SRC_DATA data{};
  data.data_in = samples.data();
  data.input_frames = static_cast<long>(samples.size());
  data.data_out = output.data();
  data.output_frames = static_cast<long>(output.size());
  data.src_ratio = ratio;
  if (const int error = src_simple(&data, SRC_SINC_BEST_QUALITY, 1)) {
    throw ContentError(QString::fromUtf8(src_strerror(error)));
  }
  output.resize(static_cast<size_t>(data.output_frames_gen));
  return output;
}

// Scaled to the target loudness before anything is trimmed, so the silence threshold means
// the same for a quiet recording as for a loud one.
Pcm atTargetLoudness(const std::vector<float>& samples) {
  float peak = 0;
  for (const float sample : samples) peak = std::max(peak, std::abs(sample));
  const double gain = gainToTarget(loudnessOf(samples, kContentSampleRate), peak);
  Pcm sound{kContentSampleRate, {}};
  sound.samples.reserve(samples.size());
  for (const float sample : samples) {
    sound.samples.push_back(
        static_cast<std::int16_t>(std::clamp(std::lround(sample * gain * 32768), -32768L, 32767L)));
  }
  return sound;
}

}  // namespace

TeacherSound teacherRecording(std::span<const float> samples, int sampleRate) {
  const DefaultFloatingPoint environment;
  const Pcm sound = atTargetLoudness(resampled(samples, sampleRate, kContentSampleRate));
  // The range alone tells silence, without copying the sound as trimming would.
  if (const SampleRange audible = audibleRange(sound, 0); audible.begin == audible.end) {
    throw ContentError(QStringLiteral("音が入っていません"));
  }
  const ShippedSpeech shipped = shippedSpeech(sound);
  // The player's own check: what is placed, Lumora plays.
  if (const auto fault = recordingFault(shipped.wave)) {
    throw ContentError(QStringLiteral("変換した録音%1").arg(recordingFaultDescription(*fault)));
  }
  return {shipped.wave, double(shipped.kept.begin) / kContentSampleRate,
          double(shipped.kept.end) / kContentSampleRate};
}

QByteArray teacherRecording(const QString& path) {
  const MonoSound sound = readMono(path);
  return teacherRecording(sound.samples, sound.sampleRate).wave;
}

QString soundFilePath(const QString& appFolder, const QString& fileName) {
  return appFolder + u'/' + names::kSoundFolder + u'/' + fileName;
}

std::optional<FileFault> placeTeacherRecording(const QString& appFolder, const QString& fileName,
                                               const QByteArray& wave) {
  return replaceFileDurably(soundFilePath(appFolder, fileName), wave);
}

}  // namespace lumora::contentgen
