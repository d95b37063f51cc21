#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "app/Keyboard.h"
#include "data/RecordingNames.h"
#include "support/AnswerSupport.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;

// Shows the window and makes it the active one, as keys reach only the active window.
void activate(FormHarness& h) {
  h->show();
  QApplication::setActiveWindow(&h.form());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&h.form()));
}

struct KeyCase {
  const char* name;
  bool weekday;  // a weekday question (buttons), else the number 25 (typed)
  QString typed;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  QString sound;  // the recording asked for, "next" for a new question, empty for none
  QString mark;   // on the pressed button, Label3(1) (月曜, the right weekday) or Label3(2)
  int markIndex = 1;
  int waitedMs = 1000;       // since the question was posed, or the verdict on what was typed
  bool afterBoxKey = false;  // a key went into 出題数Combo(0) 100 ms before
};

TEST(Keyboard, KeysPressTheirButtonsFromWhereTheAnswerIsGiven) {
  const QString noMark;
  const std::vector<KeyCase> cases = {
      {"F5 replays, keeping the text", false, "2", Qt::Key_F5, Qt::NoModifier,
       names::sinoNumber(25), noMark},
      {"Ctrl+R replays, keeping the text", false, "2", Qt::Key_R, Qt::ControlModifier,
       names::sinoNumber(25), noMark},
      {"Shift+F5 replays slowly, keeping the text", false, "2", Qt::Key_F5, Qt::ShiftModifier,
       names::sinoNumber(25) + " slow", noMark},
      {"a digit goes into the box", false, "", Qt::Key_1, Qt::NoModifier, "", noMark},
      {"Enter in a box with text does nothing", false, "2", Qt::Key_Return, Qt::NoModifier, "",
       noMark},
      {"Enter in an empty box asks the next question", false, "", Qt::Key_Return, Qt::NoModifier,
       "next", noMark},
      {"2 presses the second answer button", true, "", Qt::Key_2, Qt::NoModifier,
       names::kCorrectBuzzer, "〇"},
      {"3 presses the third answer button", true, "", Qt::Key_3, Qt::NoModifier,
       names::kWrongBuzzer, "Ｘ", 2},
      {"Alt+3 plays the third option", true, "", Qt::Key_3, Qt::AltModifier, names::weekday(3),
       noMark},
      {"F5 replays a weekday question", true, "", Qt::Key_F5, Qt::NoModifier, names::weekday(2),
       noMark},
      {"Enter on an answer button asks the next question", true, "", Qt::Key_Return, Qt::NoModifier,
       "next", noMark},
      {"2 right after the question answers nothing", true, "", Qt::Key_2, Qt::NoModifier, "",
       noMark, 1, 500},
      {"2 right after a key in a box answers nothing", true, "", Qt::Key_2, Qt::NoModifier, "",
       noMark, 1, 1000, true},
      {"Enter right after a verdict keeps it", false, "24", Qt::Key_Return, Qt::NoModifier, "",
       noMark, 1, 500},
      {"Enter a moment after a verdict asks the next question", false, "24", Qt::Key_Return,
       Qt::NoModifier, "next", noMark},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormHarness h;
    h->手動->click();
    h->ランダム->click();
    (c.weekday ? h->曜日 : h->漢数詞)->setChecked(true);
    QWidget* answerPlace = c.weekday ? static_cast<QWidget*>(h->Command4(0)) : h->Text1;
    if (c.weekday) {
      testing::poseWeekdayQuestion(h.form(), {2, 1, 2, 3});  // 日曜, 月曜, 火曜
    } else {
      testing::poseTypedQuestion(h.form(), 1, 1, 25, 0, names::sinoNumber(25));
      h->Text1->setText(c.typed);
    }
    activate(h);
    const std::chrono::milliseconds boxKeyBefore(c.afterBoxKey ? 100 : 0);
    h.clock->advance(std::chrono::milliseconds(c.waitedMs) - boxKeyBefore);
    if (c.afterBoxKey) QTest::keyClick(h->出題数Combo(0), Qt::Key_0);
    h.clock->advance(boxKeyBefore);
    answerPlace->setFocus();
    const QString textBefore = h->Text1->text();
    h.sounds.requests.clear();

    QTest::keyClick(answerPlace, c.key, c.modifiers);

    const QStringList requests = h.sounds.requests;
    if (c.sound.isEmpty()) {
      EXPECT_TRUE(requests.isEmpty()) << requests.join('\n').toStdString();
    } else if (c.sound == "next") {
      ASSERT_FALSE(requests.isEmpty());
      EXPECT_EQ(h->Label5(0)->text(), "");  // cleared as the start button does
    } else {
      EXPECT_EQ(requests, QStringList{"async " + h->soundDir + c.sound});
    }
    EXPECT_EQ(h->Label3(c.markIndex)->text(), c.mark);
    if (!c.weekday) {
      EXPECT_EQ(h->Text1->text(), c.key == Qt::Key_1 ? textBefore + "1" : textBefore);
    }
    EXPECT_EQ(QApplication::focusWidget(), answerPlace);
  }
}

TEST(Keyboard, TheKeysAreNamedInTheButtonsToolTips) {
  FormHarness h;
  for (const KeyBinding& binding : keyMap()) {
    EXPECT_TRUE(boundButton(h.form(), binding)
                    ->toolTip()
                    .contains(binding.keys.toString(QKeySequence::NativeText)))
        << binding.keys.toString().toStdString();
  }
}

TEST(Keyboard, NothingButTheStartButtonAsksWithEnterInAutoMode) {
  FormHarness h;
  h->自動->click();
  h->ランダム->click();
  h->漢数詞->setChecked(true);
  activate(h);
  h->Text1->setFocus();
  QTest::keyClick(h->Text1, Qt::Key_Return);
  EXPECT_FALSE(h->Timer1.Enabled());
  EXPECT_TRUE(h.sounds.requests.isEmpty());
}

}  // namespace
}  // namespace lumora
