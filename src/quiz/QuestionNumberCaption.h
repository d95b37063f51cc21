#pragma once

#include <QString>

#include "data/Variant.h"

namespace lumora {

// The caption of the question-number label: "問題" + the number + "問目" (問題1問目).
QString questionNumberCaption(const Variant& questionNumber);

}  // namespace lumora
