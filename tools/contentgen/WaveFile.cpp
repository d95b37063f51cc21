#include "WaveFile.h"

#include <QtEndian>

namespace lumora::contentgen {
namespace {

template <typename T>
void appendLittleEndian(QByteArray& bytes, T value) {
  const T stored = qToLittleEndian(value);
  bytes.append(reinterpret_cast<const char*>(&stored), sizeof stored);
}

}  // namespace

QByteArray encodeWave(const Pcm& sound) {
  constexpr std::uint16_t kPcmFormat = 1;
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBitsPerSample = 16;
  constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
  const auto dataSize = static_cast<std::uint32_t>(sound.samples.size() * kBlockAlign);

  QByteArray bytes;
  bytes.reserve(44 + static_cast<qsizetype>(dataSize));
  bytes.append("RIFF");
  appendLittleEndian<std::uint32_t>(bytes, 36 + dataSize);
  bytes.append("WAVEfmt ");
  appendLittleEndian<std::uint32_t>(bytes, 16);
  appendLittleEndian(bytes, kPcmFormat);
  appendLittleEndian(bytes, kChannels);
  appendLittleEndian<std::uint32_t>(bytes, static_cast<std::uint32_t>(sound.sampleRate));
  appendLittleEndian<std::uint32_t>(bytes,
                                    static_cast<std::uint32_t>(sound.sampleRate) * kBlockAlign);
  appendLittleEndian(bytes, kBlockAlign);
  appendLittleEndian(bytes, kBitsPerSample);
  bytes.append("data");
  appendLittleEndian(bytes, dataSize);
  for (const std::int16_t sample : sound.samples) appendLittleEndian(bytes, sample);
  return bytes;
}

}  // namespace lumora::contentgen
