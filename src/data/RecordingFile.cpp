#include "data/RecordingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace lumora {
namespace {

struct WaveFormat {
  quint16 tag = 0;
  quint16 channels = 0;
  quint32 rate = 0;
  quint16 blockAlign = 0;
};

constexpr quint16 kExtensible = 0xFFFE;

// Formats whose every block holds one frame: plain PCM, float, A-law, mu-law.
bool oneFramePerBlock(quint16 tag) { return tag == 1 || tag == 3 || tag == 6 || tag == 7; }

// Microsoft and IMA ADPCM: four bits a sample, so a block of n bytes holds at most 2n
// samples, however many its header claims.
bool fourBitAdpcm(quint16 tag) { return tag == 2 || tag == 0x11; }

// The frames a data chunk of `size` bytes can decode to, from the block layout alone: a
// compressed file's declared byte rate is not trusted. Nothing when the player cannot
// decode the format.
std::optional<quint64> decodedFrames(const WaveFormat& format, quint64 size) {
  if (format.channels == 0 || format.blockAlign == 0) return std::nullopt;
  if (oneFramePerBlock(format.tag)) return size / format.blockAlign;
  if (!fourBitAdpcm(format.tag)) return std::nullopt;
  const quint64 blocks = (size + format.blockAlign - 1) / format.blockAlign;
  return blocks * (2 * quint64{format.blockAlign} / format.channels);
}

quint32 u32At(const QByteArray& bytes, qsizetype offset) {
  return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 u16At(const QByteArray& bytes, qsizetype offset) {
  return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

constexpr qsizetype kChunkHeader = 8;
constexpr qsizetype kFormatFields = 16;
// An extensible format names its real one in the first two bytes of its sub-format.
constexpr qsizetype kExtensibleFields = 40;
constexpr qsizetype kSubFormat = 24;

}  // namespace

std::optional<RecordingFault> waveHeaderFault(const QByteArray& bytes) {
  if (bytes.isEmpty()) return RecordingFault::empty;
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
    return RecordingFault::damaged;
  }
  std::optional<WaveFormat> format;
  for (qsizetype at = 12; at + kChunkHeader <= bytes.size();) {
    const QByteArray id = bytes.mid(at, 4);
    const quint64 size = u32At(bytes, at + 4);
    const qsizetype body = at + kChunkHeader;
    if (id == "fmt ") {
      if (size < kFormatFields || body + kFormatFields > bytes.size()) {
        return RecordingFault::damaged;
      }
      format = WaveFormat{u16At(bytes, body), u16At(bytes, body + 2), u32At(bytes, body + 4),
                          u16At(bytes, body + 12)};
      if (format->tag == kExtensible) {
        if (size < kExtensibleFields || body + kExtensibleFields > bytes.size()) {
          return RecordingFault::damaged;
        }
        format->tag = u16At(bytes, body + kSubFormat);
      }
      if (format->rate < kMinRecordingRate || format->rate > kMaxRecordingRate) {
        return RecordingFault::beyondLimits;
      }
    } else if (id == "data") {
      const auto frames = format ? decodedFrames(*format, size) : std::nullopt;
      if (!frames) return RecordingFault::damaged;
      if (*frames > quint64{format->rate} * kMaxRecordingSeconds) {
        return RecordingFault::beyondLimits;
      }
      if (size == 0 || body + static_cast<qsizetype>(size) > bytes.size()) {
        return RecordingFault::damaged;
      }
      return std::nullopt;
    }
    at = body + static_cast<qsizetype>(size + (size & 1));
  }
  return RecordingFault::damaged;
}

std::variant<QByteArray, RecordingFault> readRecording(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return RecordingFault::missing;
  if (info.isDir()) return RecordingFault::unreadable;
  if (info.size() > kMaxRecordingBytes) return RecordingFault::beyondLimits;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return RecordingFault::unreadable;
  // read() takes all the memory it is asked for at once: ask for what the file holds, and a
  // byte more to see whether it has grown past the limit meanwhile.
  const QByteArray bytes = file.read(std::min(info.size(), kMaxRecordingBytes) + 1);
  if (bytes.size() > kMaxRecordingBytes) return RecordingFault::beyondLimits;
  if (const auto fault = waveHeaderFault(bytes)) return *fault;
  return bytes;
}

}  // namespace lumora
