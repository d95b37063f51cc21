#include "data/RecordingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace lumora {
namespace {

struct WaveFormat {
  quint16 tag = 0;
  quint16 channels = 0;
  quint32 rate = 0;
  quint32 byteRate = 0;
  quint16 blockAlign = 0;
};

// Formats whose every block holds one frame: plain and extensible PCM, float, A-law, mu-law.
bool oneFramePerBlock(quint16 tag) {
  return tag == 1 || tag == 3 || tag == 6 || tag == 7 || tag == 0xFFFE;
}

// Bytes of the data chunk per second of sound; 0 when the header cannot say.
quint64 bytesPerSecond(const WaveFormat& format) {
  if (oneFramePerBlock(format.tag)) return quint64{format.rate} * format.blockAlign;
  return format.byteRate;
}

quint32 u32At(const QByteArray& bytes, qsizetype offset) {
  return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 u16At(const QByteArray& bytes, qsizetype offset) {
  return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

constexpr qsizetype kChunkHeader = 8;
constexpr qsizetype kFormatFields = 16;

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
                          u32At(bytes, body + 8), u16At(bytes, body + 12)};
      if (format->rate < kMinRecordingRate || format->rate > kMaxRecordingRate) {
        return RecordingFault::beyondLimits;
      }
    } else if (id == "data") {
      if (!format || format->channels == 0 || bytesPerSecond(*format) == 0) {
        return RecordingFault::damaged;
      }
      if (size > bytesPerSecond(*format) * kMaxRecordingSeconds) {
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

std::optional<RecordingFault> recordingFault(const QByteArray& bytes) {
  if (bytes.size() > kMaxRecordingBytes) return RecordingFault::beyondLimits;
  return waveHeaderFault(bytes);
}

std::variant<QByteArray, RecordingFault> readRecording(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return RecordingFault::missing;
  // Opening a named pipe would wait for a writer for ever.
  if (!info.isFile()) return RecordingFault::unreadable;
  if (info.size() > kMaxRecordingBytes) return RecordingFault::beyondLimits;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return RecordingFault::unreadable;
  const QByteArray bytes = file.read(kMaxRecordingBytes + 1);
  if (const auto fault = recordingFault(bytes)) return *fault;
  return bytes;
}

}  // namespace lumora
