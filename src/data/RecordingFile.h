#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

#include "data/RecordingFault.h"

// Reading a recording and checking its WAV header before anything is decoded, so that a
// file declaring an absurd rate or length cannot stall the window or fill the memory.
namespace lumora {

inline constexpr qint64 kMaxRecordingBytes = 16 * 1024 * 1024;
inline constexpr quint32 kMinRecordingRate = 8000;
inline constexpr quint32 kMaxRecordingRate = 192000;
inline constexpr quint32 kMaxRecordingSeconds = 30;

// The fault of a whole WAV file, judged from its header; nothing when it may be decoded.
std::optional<RecordingFault> waveHeaderFault(const QByteArray& bytes);

// The fault the player finds in the whole bytes of a recording; nothing when it plays them.
std::optional<RecordingFault> recordingFault(const QByteArray& bytes);

// The bytes of a recording that passed the checks, or why it cannot be played.
std::variant<QByteArray, RecordingFault> readRecording(const QString& path);

}  // namespace lumora
