#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The data files are written in the Japanese ANSI code page (CP932, Shift_JIS).
namespace lumora::cp932 {

// Decodes CP932 bytes; nullopt when the bytes are not valid CP932.
std::optional<QString> decode(const QByteArray& bytes);

// Encodes text as CP932; nullopt when a character has no CP932 form (Hangul, for one).
std::optional<QByteArray> encode(const QString& text);

}  // namespace lumora::cp932
