#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <vector>

#include "app/Dialogs.h"
#include "data/RandomSource.h"
#include "sound/AudioOutput.h"

namespace lumora::testing {

// Every sound request and pause, in order, as text: "async <path>", "sync <path>" (with
// " slow" after a slowed one), "stop", "pause <ms>".
struct SoundLog {
  QStringList requests;
  std::map<QString, RecordingFault> faults;
  std::function<void()> duringSync;
  AudioOutput::LateFaultHandler lateFault;
};

// Plays nothing; a path listed in `faults` reports its fault, and `duringSync` runs while a
// synchronous recording "plays".
class FakeAudio final : public AudioOutput {
 public:
  explicit FakeAudio(SoundLog& log) : log_(log) {}
  std::optional<RecordingFault> playAsync(const QString& path, PlaySpeed speed) override {
    log_.requests << "async " + path + slow(speed);
    return faultOf(path);
  }
  std::optional<RecordingFault> playSync(const QString& path, PlaySpeed speed) override {
    log_.requests << "sync " + path + slow(speed);
    if (log_.duringSync) log_.duringSync();
    return faultOf(path);
  }
  void stop() override { log_.requests << "stop"; }
  void setLateFaultHandler(LateFaultHandler handler) override {
    log_.lateFault = std::move(handler);
  }

 private:
  static QString slow(PlaySpeed speed) {
    return speed == PlaySpeed::slow ? QStringLiteral(" slow") : QString();
  }
  std::optional<RecordingFault> faultOf(const QString& path) const {
    const auto it = log_.faults.find(path);
    if (it == log_.faults.end()) return std::nullopt;
    return it->second;
  }

  SoundLog& log_;
};

// Time moves only when a test advances it, or by the pauses it is asked for.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(SoundLog& log) : log_(log) {}
  void blockFor(std::chrono::milliseconds duration) override {
    log_.requests << QStringLiteral("pause %1").arg(duration.count());
    advance(duration);
  }
  std::chrono::steady_clock::time_point now() const override { return now_; }
  std::chrono::system_clock::time_point wallTime() const override { return wallTime_; }
  void advance(std::chrono::milliseconds duration) {
    now_ += duration;
    wallTime_ += duration;
  }

 private:
  SoundLog& log_;
  std::chrono::steady_clock::time_point now_;
  std::chrono::system_clock::time_point wallTime_{std::chrono::hours(24 * 20795)};  // 2026-12-07
};

// Records every message box and answers the questions from a script (Cancel when the
// script is used up).
class FakeDialogs final : public Dialogs {
 public:
  struct Shown {
    QString kind;  // "critical", "warning", "notice" or "question"
    QString title;
    QString text;
  };

  void critical(const QString& title, const QString& text) override {
    show({"critical", title, text});
  }
  void warning(const QString& title, const QString& text) override {
    show({"warning", title, text});
  }
  void notice(const QString& title, const QString& text) override { show({"notice", title, text}); }
  Answer askYesNoCancel(const QString& title, const QString& text) override {
    show({"question", title, text});
    if (answers.empty()) return Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  // Runs while each message is open, to look at the window behind it.
  std::function<void()> whileOpen;

 private:
  void show(Shown message) {
    shown.push_back(std::move(message));
    if (whileOpen) whileOpen();
  }
};

// Hands out scripted numbers first, then numbers of a fixed-seed generator, so every run
// of a test sees the same draws.
class ScriptedRandom final : public RandomSource {
 public:
  double next() override {
    if (!script.empty()) {
      const double r = script.front();
      script.pop_front();
      return r;
    }
    return static_cast<double>(engine_() >> 8) / (1u << 24);
  }

  void seed(unsigned value) { engine_.seed(value); }

  // The number r whose draw of 1..n gives `value`.
  static double forDraw(int value, int n) { return (value - 0.5) / n; }

  std::deque<double> script;

 private:
  std::mt19937 engine_{20261207};
};

}  // namespace lumora::testing
