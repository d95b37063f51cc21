#pragma once

#include <QLabel>
#include <QString>

#include "app/Form1.h"

namespace lumora {

// The verdict on `mark`: "〇" on green with the correct buzzer, or `wrongMark` on red with
// the wrong buzzer.
void showVerdict(Form1& form, QLabel* mark, bool right, const QString& wrongMark);

}  // namespace lumora
