#pragma once

#include <QByteArray>

// The generator marks every WAV file it writes in the file itself, so that wherever the
// folders are copied, the tools tell its synthetic voice from a teacher's recording by the
// file alone. The mark is a LIST/INFO chunk after the sound, which players skip. Its ISFT
// names the generator and holds the SHA-256 of every byte before the chunk, so a recording
// changed by an editor that kept the chunk no longer counts as generated.
namespace lumora {

// The WAV file (of even length, as every whole WAV file is) with the mark appended.
QByteArray withGeneratorTag(QByteArray wave);

// Whether the bytes are a WAV file as withGeneratorTag left it.
bool hasGeneratorTag(const QByteArray& bytes);

}  // namespace lumora
