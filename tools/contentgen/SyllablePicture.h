#pragma once

#include <QByteArray>
#include <QString>

namespace lumora::contentgen {

// Size of a syllable picture: about that of the answer buttons that show it.
inline constexpr int kPictureWidth = 250;
inline constexpr int kPictureHeight = 150;

// The Hangul, large and centred in dark ink on a plain light background, as JPEG bytes.
// Needs a QGuiApplication. Throws ContentError when the Korean font is not installed or
// lacks a glyph, rather than drawing empty boxes.
QByteArray renderSyllablePicture(const QString& hangul);

}  // namespace lumora::contentgen
