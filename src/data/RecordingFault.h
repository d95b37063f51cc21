#pragma once

#include <QString>

namespace lumora {

// Why a recording could not be played.
enum class RecordingFault {
  missing,       // no such file
  unreadable,    // present but cannot be opened (a folder, no permission)
  empty,         // a file of no bytes
  damaged,       // cut off, or not a WAV file the player can decode
  beyondLimits,  // a WAV whose rate, length or size no recording of the trainer has
  deviceFailed,  // decoded, but the sound device stopped taking samples
};

// The learner's message for a recording that could not be played, naming the file and the
// check that lists every such file.
QString recordingFaultMessage(RecordingFault fault, const QString& path);

}  // namespace lumora
