#pragma once

#include <chrono>
#include <optional>

#include "record/Judgement.h"

namespace lumora {

// The learner's date at `moment`, in the time zone of this computer.
QDate localDateOf(std::chrono::system_clock::time_point moment);

// The question on screen as the record follows it: when its sound started, how often it was
// replayed, and whether any answer to it has been judged.
class QuestionTrail {
 public:
  using TimePoint = std::chrono::system_clock::time_point;

  void posed(RecordedQuestion question, TimePoint soundStarted, bool autoRun);
  void replayed();
  // The judgement of an answer; nothing while no question has been posed. A clock set back
  // meanwhile gives a negative answer time, which the store writes as 0.
  std::optional<Judgement> judged(Outcome outcome, const QString& given, TimePoint at);
  // The question replaced by the timer with no answer judged; nothing when it was answered.
  std::optional<Judgement> endedUnanswered(TimePoint at);

  const RecordedQuestion* question() const { return question_ ? &*question_ : nullptr; }

 private:
  std::optional<RecordedQuestion> question_;
  TimePoint soundStarted_;
  bool autoRun_ = false;
  int replays_ = 0;
  bool judged_ = false;
};

}  // namespace lumora
