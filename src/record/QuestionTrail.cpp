#include "record/QuestionTrail.h"

#include <QDateTime>

namespace lumora {

QDate localDateOf(std::chrono::system_clock::time_point moment) {
  const auto epoch =
      std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count();
  return QDateTime::fromMSecsSinceEpoch(epoch, Qt::LocalTime).date();
}

void QuestionTrail::posed(RecordedQuestion question, TimePoint soundStarted, bool autoRun) {
  question_ = std::move(question);
  soundStarted_ = soundStarted;
  autoRun_ = autoRun;
  replays_ = 0;
  judged_ = false;
}

void QuestionTrail::replayed() {
  if (question_) ++replays_;
}

std::optional<Judgement> QuestionTrail::judged(Outcome outcome, const QString& given,
                                               TimePoint at) {
  if (!question_) return std::nullopt;
  judged_ = true;
  const auto answerTime =
      std::chrono::duration_cast<std::chrono::milliseconds>(at - soundStarted_).count();
  return Judgement{*question_, at, localDateOf(at), outcome, given, answerTime, autoRun_, replays_};
}

std::optional<Judgement> QuestionTrail::endedUnanswered(TimePoint at) {
  if (judged_) return std::nullopt;
  return judged(Outcome::unanswered, QString(), at);
}

}  // namespace lumora
