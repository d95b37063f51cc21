#pragma once

#include <chrono>
#include <optional>

#include "sound/AudioOutput.h"

namespace lumora {

// Keys come faster than a learner hears or reads, so the answer keys wait a moment.
// A digit answers a button question only once the question has been out for a moment and no
// key has just gone into a box: a digit typed straight after one was meant for that box, and
// the focus left it when a tick posed the question. Enter moves on from a verdict only once
// the verdict has been on screen for a moment.
class AnswerKeyGuard {
 public:
  // Longer than the gap between two keys of a typed number, shorter than hearing a syllable
  // and choosing its button.
  static constexpr std::chrono::milliseconds kDigitWait{600};
  // Time to read the mark and the right answer before the next question clears them.
  static constexpr std::chrono::milliseconds kVerdictWait{1000};

  explicit AnswerKeyGuard(const Clock& clock) : clock_(clock) {}

  void questionPosed() { questionPosed_ = clock_.now(); }
  void typedIntoBox() { typedIntoBox_ = clock_.now(); }
  void verdictShown() { verdictShown_ = clock_.now(); }

  bool digitMayAnswer() const {
    return waited(questionPosed_, kDigitWait) && waited(typedIntoBox_, kDigitWait);
  }
  bool enterMayMoveOn() const { return waited(verdictShown_, kVerdictWait); }

 private:
  using Moment = std::optional<std::chrono::steady_clock::time_point>;

  bool waited(const Moment& since, std::chrono::milliseconds wait) const {
    return !since || clock_.now() - *since >= wait;
  }

  const Clock& clock_;
  Moment questionPosed_;
  Moment typedIntoBox_;
  Moment verdictShown_;
};

}  // namespace lumora
