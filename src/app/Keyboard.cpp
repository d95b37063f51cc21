#include "app/Keyboard.h"

#include <QKeyEvent>
#include <QShortcut>

#include "app/Form1.h"

namespace lumora {
namespace {

using Target = KeyBinding::Target;

// Enter on an answer button, or in the answer box once a judgement has emptied it, asks the
// next question as the start button does in manual mode. An Enter that comes before the
// learner has had a moment to see the verdict is swallowed, so the verdict stays.
class NextQuestionKey final : public QObject {
 public:
  explicit NextQuestionKey(Form1& form) : QObject(&form), form_(form) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (!form_.手動->isChecked()) return false;
    if (watched == form_.Text1 && !form_.Text1->text().isEmpty()) return false;
    if (form_.answerKeys().enterMayMoveOn()) form_.出題開始->click();
    return true;
  }

 private:
  Form1& form_;
};

// Notes every key that goes into a box (the answer box or a combo box): a digit that comes
// right after one was meant for that box, not for an answer button.
class BoxTyping final : public QObject {
 public:
  explicit BoxTyping(Form1& form) : QObject(&form), form_(form) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) form_.answerKeys().typedIntoBox();
    return false;
  }

 private:
  Form1& form_;
};

void addToolTip(QWidget* widget, const QString& tip) {
  widget->setToolTip(widget->toolTip().isEmpty() ? tip
                                                 : widget->toolTip() + QStringLiteral("\n") + tip);
}

}  // namespace

const std::vector<KeyBinding>& keyMap() {
  static const std::vector<KeyBinding> map = {
      {QKeySequence(Qt::Key_F5), Target::replay},
      {QKeySequence(Qt::CTRL | Qt::Key_R), Target::replay},
      {QKeySequence(Qt::SHIFT | Qt::Key_F5), Target::slowReplay},
      {QKeySequence(Qt::Key_1), Target::answer, 0},
      {QKeySequence(Qt::Key_2), Target::answer, 1},
      {QKeySequence(Qt::Key_3), Target::answer, 2},
      {QKeySequence(Qt::ALT | Qt::Key_1), Target::option, 0},
      {QKeySequence(Qt::ALT | Qt::Key_2), Target::option, 1},
      {QKeySequence(Qt::ALT | Qt::Key_3), Target::option, 2},
      // Ctrl rather than a function key: Japanese input methods convert with F6 to F10.
      {QKeySequence(Qt::CTRL | Qt::Key_L), Target::record},
  };
  return map;
}

QAbstractButton* boundButton(Form1& form, const KeyBinding& binding) {
  switch (binding.target) {
    case Target::replay:
      return form.再度再生;
    case Target::slowReplay:
      return form.ゆっくり再生;
    case Target::answer:
      return form.Command4(binding.index);
    case Target::option:
      return form.hint(binding.index);
    case Target::record:
      return form.学習記録;
  }
  return nullptr;
}

void installKeyboard(Form1& form) {
  for (const KeyBinding& binding : keyMap()) {
    QAbstractButton* button = boundButton(form, binding);
    // A digit typed into a text box stays there: text boxes take plain keys first.
    auto* shortcut = new QShortcut(binding.keys, &form);
    const bool answers = binding.target == Target::answer;
    QObject::connect(shortcut, &QShortcut::activated, button, [&form, button, answers] {
      if (!button->isEnabled()) return;
      if (answers && !form.answerKeys().digitMayAnswer()) return;
      button->click();
    });
    addToolTip(button,
               QStringLiteral("キー: %1").arg(binding.keys.toString(QKeySequence::NativeText)));
  }
  auto* boxTyping = new BoxTyping(form);
  for (QWidget* widget : form.findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)) {
      widget->installEventFilter(boxTyping);
    }
  }
  auto* nextQuestion = new NextQuestionKey(form);
  form.Text1->installEventFilter(nextQuestion);
  for (int i = 0; i < 3; ++i) {
    form.Command4(i)->installEventFilter(nextQuestion);
    addToolTip(form.Command4(i), QStringLiteral("Enter: 次の問題 (手動)"));
  }
  addToolTip(form.出題開始, QStringLiteral("Enter: 回答欄が空のとき、または選択肢ボタンで (手動)"));
}

}  // namespace lumora
