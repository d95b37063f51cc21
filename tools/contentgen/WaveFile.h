#pragma once

#include <QByteArray>

#include "Pcm.h"

namespace lumora::contentgen {

// The sound as a canonical 44-byte-header RIFF/WAVE file: PCM, mono, 16 bits.
QByteArray encodeWave(const Pcm& sound);

}  // namespace lumora::contentgen
