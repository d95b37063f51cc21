#include "WaveFile.h"

#include <QFile>
#include <QtEndian>

namespace lumora::contentgen {
namespace {

template <typename T>
void appendLittleEndian(QByteArray& bytes, T value) {
  const T stored = qToLittleEndian(value);
  bytes.append(reinterpret_cast<const char*>(&stored), sizeof stored);
}

template <typename T>
T littleEndianAt(const QByteArray& bytes, qsizetype offset) {
  return qFromLittleEndian<T>(bytes.constData() + offset);
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

std::optional<Pcm> decodeWave(const QByteArray& bytes) {
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return {};
  std::optional<Pcm> sound;
  bool pcmMono16 = false;
  // Chunks follow the RIFF header; each is padded to an even size.
  for (qsizetype at = 12; at + 8 <= bytes.size();) {
    const QByteArray id = bytes.mid(at, 4);
    const qsizetype size = littleEndianAt<std::uint32_t>(bytes, at + 4);
    const qsizetype body = at + 8;
    if (size > bytes.size() - body) return {};
    if (id == "fmt " && size >= 16) {
      pcmMono16 = littleEndianAt<std::uint16_t>(bytes, body) == 1 &&
                  littleEndianAt<std::uint16_t>(bytes, body + 2) == 1 &&
                  littleEndianAt<std::uint16_t>(bytes, body + 14) == 16;
      sound = Pcm{static_cast<int>(littleEndianAt<std::uint32_t>(bytes, body + 4)), {}};
    } else if (id == "data" && sound && pcmMono16) {
      for (qsizetype offset = body; offset + 1 < body + size; offset += 2) {
        sound->samples.push_back(littleEndianAt<std::int16_t>(bytes, offset));
      }
      return sound;
    }
    at = body + size + (size & 1);
  }
  return {};
}

std::optional<Pcm> readRecording(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return decodeWave(file.readAll());
}

}  // namespace lumora::contentgen
