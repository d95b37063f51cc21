#pragma once

#include <QString>
#include <functional>

#include "ContentList.h"

namespace lumora::contentgen {

// The phonemes a voice speaks for a text.
using PhonemeSource = std::function<QString(const QString& spoken)>;

// The reviewed list of what the voice says, kept beside the content list so that a change of
// voice data or of a text shows as a changed line: a header, then for every spoken file its
// name, its text, what the voice is given and the phonemes it speaks, tab-separated.
QString phonemeList(const ContentList& list, const PhonemeSource& phonemesOf);

}  // namespace lumora::contentgen
