#pragma once

#include <vector>

#include "record/RecordFigures.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace lumora {

// Questions answered per day as bars, with the share right as a line on a percent axis.
QChart* makeProgressChart(const std::vector<DayTally>& days);

}  // namespace lumora
