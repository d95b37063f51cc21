#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "Pcm.h"

namespace lumora::contentgen {

// The sound as a canonical 44-byte-header RIFF/WAVE file: PCM, mono, 16 bits.
QByteArray encodeWave(const Pcm& sound);

// The sound of a 16-bit mono PCM WAV file, the form encodeWave writes and the program plays;
// nullopt for any other file.
std::optional<Pcm> decodeWave(const QByteArray& bytes);

// decodeWave of a file; nullopt when it cannot be read either.
std::optional<Pcm> readRecording(const QString& path);

}  // namespace lumora::contentgen
