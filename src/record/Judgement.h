#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <chrono>
#include <cstdint>

#include "data/MissList.h"

namespace lumora {

// The codes the record stores; a question the timer replaced before any answer is neither
// right nor wrong.
enum class Outcome : int { wrong = 0, right = 1, unanswered = 2 };

// A question as the record keeps it: what was asked, how the window wrote the right answer,
// the options of a button question, and the entry that puts it into the wrong-answer list.
struct RecordedQuestion {
  MissQuestion entry;
  QString asked;        // "16", "5 11", "月曜", "ka"
  QString rightAnswer;  // "16", "5月11日", "月曜", "ka"
  std::array<QString, 3> options;
};

struct Judgement {
  RecordedQuestion question;
  std::chrono::system_clock::time_point at;
  QDate localDay;  // the learner's date at that moment
  Outcome outcome = Outcome::wrong;
  QString given;  // the typed text or the option chosen
  std::int64_t answerMilliseconds = 0;
  bool autoRun = false;
  int replays = 0;
};

}  // namespace lumora
