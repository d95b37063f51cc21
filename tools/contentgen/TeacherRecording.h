#pragma once

#include <QByteArray>
#include <QString>

namespace lumora::contentgen {

// A teacher's recording in the form Lumora ships: read in any format libsndfile knows (WAV of
// any rate, depth and channel count, FLAC, Ogg...), mixed down to mono, resampled to
// kContentSampleRate, brought to the target loudness, silence trimmed, as 16-bit WAV bytes.
// Throws ContentError with the reason when the file is damaged, unreadable or silent.
QByteArray teacherRecording(const QString& path);

}  // namespace lumora::contentgen
