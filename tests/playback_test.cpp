#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <functional>

#include "sound/Playback.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;

struct KindCase {
  const char* name;
  std::int16_t kind;
  std::int16_t category;
  QStringList expected;  // with "S/" for the sound folder
  PlaySpeed speed = PlaySpeed::normal;
  friend void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }
};

class PlayQuestionSoundTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(PlayQuestionSoundTest, SendsTheRequestsInOrder) {
  FormHarness h;
  h->quizCategory = GetParam().category;
  h->playQuestionSound(GetParam().kind, "A.wav", "B.wav", GetParam().speed);
  QStringList expected;
  for (QString request : GetParam().expected) {
    expected << request.replace("S/", h.soundFolder())
                    .replace("PAUSE", QString::number(kClockTimePause.count()));
  }
  EXPECT_EQ(h.sounds.requests, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PlayQuestionSoundTest,
    ::testing::Values(
        KindCase{"kind1", 1, 1, {"async S/A.wav"}},
        KindCase{"kind2_month_day", 2, 5, {"sync S/A.wav", "async S/B.wav"}},
        KindCase{"kind2_clock_time", 2, 8, {"sync S/A.wav", "pause PAUSE", "async S/B.wav"}},
        KindCase{"kind2_clock_time_slow",
                 2,
                 8,
                 {"sync S/A.wav slow", "pause PAUSE", "async S/B.wav slow"},
                 PlaySpeed::slow},
        KindCase{"kind3", 3, 7, {"async S/A.wav"}},
        KindCase{"kind3_slow", 3, 7, {"async S/A.wav slow"}, PlaySpeed::slow},
        KindCase{"kind0", 0, 1, {}}, KindCase{"kind4", 4, 1, {}}),
    [](const auto& info) { return info.param.name; });

TEST(PlayQuestionSound, KindThreePlaysFromTheHardSoundFolder) {
  FormHarness h;
  h->hardSoundDir = "/elsewhere/";
  h->playQuestionSound(3, "難聴音ga_00.wav", "B.wav");
  EXPECT_EQ(h.sounds.requests, QStringList({"async /elsewhere/難聴音ga_00.wav"}));
}

TEST(Buzzers, PlayFromTheSoundFolder) {
  FormHarness h;
  h->playCorrectBuzzer();
  h->playWrongBuzzer();
  EXPECT_EQ(h.sounds.requests, QStringList({"async " + h.soundFolder() + "OK_BZER.WAV",
                                            "async " + h.soundFolder() + "NG_BZER.WAV"}));
}

TEST(Replay, BeforeAnyQuestionPlaysNothing) {
  FormHarness h;
  h->enableButtonAnswer();
  h->再度再生_Click();
  EXPECT_TRUE(h.sounds.requests.isEmpty());
}

TEST(Replay, RepeatsTheQuestionAfterAHintOverwroteTheSound) {
  for (const auto& [replay, suffix] :
       {std::pair{&Form1::再度再生_Click, ""}, std::pair{&Form1::ゆっくり再生_Click, " slow"}}) {
    FormHarness h;
    h->quizCategory = 5;
    h->replaySoundKind = 2;
    h->replaySoundFileA = "月M03_01.wav";
    h->replaySoundFileB = "日D09_00.wav";
    h->soundKind = 1;
    h->soundFileA = "水曜4_00.wav";
    (h.form().*replay)();
    EXPECT_EQ(h.sounds.requests,
              QStringList({"sync " + h.soundFolder() + "月M03_01.wav" + suffix,
                           "async " + h.soundFolder() + "日D09_00.wav" + suffix}));
    EXPECT_EQ(h->soundKind, 2);
    EXPECT_EQ(h->soundFileA, "月M03_01.wav");
    EXPECT_EQ(h->soundFileB, "日D09_00.wav");
  }
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

using testing::FormHarness;

TEST(RecordingFaults, EachCauseIsToldOnceNamingItsFirstFile) {
  FormHarness h;
  h.sounds.faults = {{h.soundFolder() + "A.wav", RecordingFault::missing},
                     {h.soundFolder() + "B.wav", RecordingFault::missing},
                     {h.soundFolder() + "NG_BZER.WAV", RecordingFault::damaged}};
  h->playQuestionSound(1, "A.wav", "");
  h->playQuestionSound(1, "B.wav", "");
  h->playQuestionSound(1, "A.wav", "");
  h->playWrongBuzzer();
  h->playWrongBuzzer();
  ASSERT_EQ(h.dialogs->shown.size(), 2u);
  const QStringList named = {"A.wav", "NG_BZER.WAV"};
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(h.dialogs->shown[i].kind, "warning");
    EXPECT_TRUE(h.dialogs->shown[i].text.contains(named[int(i)]));
    EXPECT_TRUE(h.dialogs->shown[i].text.contains("lumora-datacheck"));
  }
}

TEST(RecordingFaults, AFaultInARunStopsTheRunAndTellsOnce) {
  FormHarness h;
  h.sounds.faults = {{h.soundFolder() + "A.wav", RecordingFault::damaged}};
  h->Timer1.setInterval(2000);
  h->Timer1.setEnabled(true);
  h->playQuestionSound(2, "A.wav", "B.wav");
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_EQ(h.dialogs->shown.size(), 1u);
  EXPECT_FALSE(h.sounds.requests.join(' ').contains("B.wav"))
      << "the second part of a question whose first part failed";
  h.sounds.lateFault(h.soundFolder() + "C.wav", RecordingFault::deviceFailed);
  EXPECT_EQ(h.dialogs->shown.size(), 2u) << "a fault found after the request returned";
}

class CloseDuringTwoPartRecording : public ::testing::TestWithParam<std::int16_t> {};

// The close arrives as the window system delivers it: queued while the first part plays.
TEST_P(CloseDuringTwoPartRecording, EndsTheRunWithoutTheRestOfTheQuestion) {
  FormHarness h;
  h->quizCategory = GetParam();
  h->Timer1.setInterval(2000);
  h->Timer1.setEnabled(true);
  h.sounds.duringSync = [&h] {
    QMetaObject::invokeMethod(
        &h.form(), [&h] { h->close(); }, Qt::QueuedConnection);
  };
  h->playQuestionSound(2, "A.wav", "B.wav");
  EXPECT_EQ(h.sounds.requests, QStringList({"sync " + h.soundFolder() + "A.wav"}));
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_FALSE(h->Timer1.isTicking());
}

INSTANTIATE_TEST_SUITE_P(MonthDayAndClockTime, CloseDuringTwoPartRecording,
                         ::testing::Values(5, 8));

// Events that ask for a handler while the first part plays, posted as the window gets them.
TEST(TwoPartRecording, AHandlerAskedForMeanwhileRunsOnceTheQuestionIsPosed) {
  const std::vector<std::function<void(Form1&)>> meanwhile = {
      [](Form1& form) { form.出題開始->click(); },
      [](Form1& form) {  // as an assistive tool toggles an option
        QAccessible::queryAccessibleInterface(form.手動)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
      }};
  for (const auto& act : meanwhile) {
    FormHarness h;
    h->自動->click();
    h->ランダム->click();
    h->漢数詞->setChecked(true);
    h->quizCategory = 5;
    h.sounds.duringSync = [&] {
      QMetaObject::invokeMethod(
          &h.form(), [&] { act(h.form()); }, Qt::QueuedConnection);
    };
    h->playQuestionSound(2, "A.wav", "B.wav");
    EXPECT_EQ(h.sounds.requests, QStringList({"sync " + h.soundFolder() + "A.wav",
                                              "async " + h.soundFolder() + "B.wav"}));
    QCoreApplication::processEvents();
    EXPECT_GT(h.sounds.requests.size(), 2);
  }
}

}  // namespace
}  // namespace lumora
