#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "record/Judgement.h"

// What the record window reads of a period: every judgement in brief, and the counts of what
// was given for what was asked.
namespace lumora {

struct AnswerRow {
  QDate day;
  std::int16_t category = 0;
  Outcome outcome = Outcome::wrong;
  std::int64_t milliseconds = 0;
};

// How often `given` was chosen when `asked` was played, among the options of a hard-to-hear
// row.
struct ConfusionCount {
  std::array<QString, 3> options;
  QString asked;
  QString given;
  int count = 0;
};

// How often a typed question was answered wrong with `given`.
struct MishearingCount {
  std::int16_t category = 0;
  QString rightAnswer;
  QString given;
  int count = 0;
};

struct RecordReading {
  std::vector<AnswerRow> answers;
  std::vector<ConfusionCount> confusions;
  std::vector<MishearingCount> mishearings;
};

// One answer to a question, newest first, for choosing the weakest questions.
struct Attempt {
  MissQuestion entry;
  Outcome outcome = Outcome::wrong;
};

}  // namespace lumora
