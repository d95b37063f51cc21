#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "app/Form1.h"
#include "data/TextTable.h"

// Helpers of the answering and incorrect-answer memory tests.
namespace lumora::testing {

// The six cells of a row.
QStringList rowOf(const TextTable& table, int row);

QByteArray fileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);

// A typed question as its generator leaves it: category, answer form `count` with the
// values n and m, the recordings and the minute row.
void poseTypedQuestion(Form1& form, std::int16_t category, std::int16_t count, std::int16_t n,
                       std::int16_t m, const QString& fileA, const QString& fileB = {},
                       std::int16_t minuteRow = 0);

// A weekday question: choices[0] the right weekday, choices[1..3] those on the buttons.
void poseWeekdayQuestion(Form1& form, const std::array<std::int16_t, 4>& choices);

// A hard-to-hear question on a row of the harness's table with the right button.
void poseHardSoundQuestion(Form1& form, std::int16_t row, std::int16_t rightButton);

}  // namespace lumora::testing
