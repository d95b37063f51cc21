#include "app/Form1.h"
#include "quiz/TimeLimit.h"

// The pacing controls: auto or manual mode, stopping a run, the number of questions and
// the time limit.
namespace lumora {
namespace {

// Sets an option on or off as the handler asks. Qt will not clear the set option of a group by
// itself (時間制限 is alone in its group), so the group is lifted while it is set.
void setOptionValue(QRadioButton* option, bool value) {
  const bool exclusive = option->autoExclusive();
  option->setAutoExclusive(false);
  option->setChecked(value);
  option->setAutoExclusive(exclusive);
}

constexpr int kAutoModeInterval = 5000;

}  // namespace

void Form1::自動_Click() {
  setOptionValue(手動, false);
  setOptionValue(時間制限(6), true);
  Timer1.setInterval(kAutoModeInterval);
  Timer1.setEnabled(false);
}

void Form1::手動_Click() {
  setOptionValue(自動, false);
  setOptionValue(時間制限(6), false);
  Label8(0)->hide();
  得点->hide();
  自動中止_Click();
}

void Form1::自動中止_Click() {
  platform_.audio->stop();
  Timer1.setEnabled(false);
  resetQuizDisplay();
}

void Form1::stopRunWithMessage(void (Dialogs::*show)(const QString&, const QString&),
                               const QString& title, const QString& text) {
  stopRunAround([&] { (platform_.dialogs.get()->*show)(title, text); });
}

void Form1::stopRunAround(const std::function<void()>& showMessage) {
  Timer1.setEnabled(false);
  showMessage();
  自動中止_Click();
}

void Form1::出題数Combo_Change(int) { questionCountText = 出題数Combo(0)->currentText(); }

void Form1::出題数Combo_Click(int index) { 出題数Combo_Change(index); }

// A limit outside the timer's range leaves no ticks; the auto start refuses it anyway.
void Form1::制限時間Combo_Change(int) {
  Timer1.setInterval(timeLimitMilliseconds(制限時間Combo(1)->currentText()).value_or(0));
}

void Form1::制限時間Combo_Click(int index) { 制限時間Combo_Change(index); }

}  // namespace lumora
