#pragma once

#include <QStringList>

#include "data/TextTable.h"

namespace lumora {

// What makes a minute table unfit for clock-time questions, one text per fault; empty when
// it is fit. `records` is the number of records its file held: a question may draw any of
// rows 1 to 16, so all of them must be there and name a recording.
QStringList splitSoundTableFaults(const TextTable& table, int records);

}  // namespace lumora
