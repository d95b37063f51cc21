#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>

#include "data/FileFault.h"

namespace lumora::contentgen {

// A teacher's recording in the form Lumora ships, and the seconds of the input it keeps.
struct TeacherSound {
  QByteArray wave;
  double keptFrom = 0;
  double keptTo = 0;
};

// Mono samples (full scale 1.0) as Lumora ships them: resampled to kContentSampleRate,
// brought to the target loudness, silence trimmed, as 16-bit WAV bytes. Throws ContentError
// with the reason when there is no sound in them, or when the player's own check would
// refuse the result.
TeacherSound teacherRecording(std::span<const float> samples, int sampleRate);

// The same for a file in any format libsndfile knows (WAV of any rate, depth and channel
// count, FLAC, Ogg...), mixed down to mono first. Throws ContentError with the reason when
// the file is damaged, unreadable or silent.
QByteArray teacherRecording(const QString& path);

// The path of the file of that name in the sound folder of `appFolder`.
QString soundFilePath(const QString& appFolder, const QString& fileName);

// Writes a recording whole over the file of that name in the sound folder of `appFolder`:
// the earlier file stays as it was unless the new one is in place. Returns the fault.
std::optional<FileFault> placeTeacherRecording(const QString& appFolder, const QString& fileName,
                                               const QByteArray& wave);

}  // namespace lumora::contentgen
