#pragma once

#include <QString>
#include <optional>

namespace lumora {

// The Hangul syllable a table names in Revised Romanization ("kka" is 까, "bang" 방): the
// tables are Shift_JIS, which has no Hangul. A final heard as k, t or p is written with its
// most common letter, ㄱ, ㅅ or ㅂ ("gat" is 갓). Nothing for a name that is not one
// romanized syllable.
std::optional<QString> hangulOfRomanized(const QString& name);

}  // namespace lumora
