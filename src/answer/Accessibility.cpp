#include "answer/Accessibility.h"

#include <QAccessible>

namespace lumora {

void nameAnswerButton(Form1& form, int index, const QString& shown) {
  const QString name = shown.isEmpty() ? QStringLiteral("選択肢%1").arg(index + 1) : shown;
  form.Command4(index)->setAccessibleName(name);
  form.hint(index)->setAccessibleName(name + QStringLiteral("の音を聞く"));
}

void announceVerdict(QLabel* resultLabel, const QString& rightAnswer) {
  const QString verdict = rightAnswer.isEmpty()
                              ? resultLabel->text()
                              : resultLabel->text() + QStringLiteral(" 正解 ") + rightAnswer;
  if (resultLabel->accessibleDescription() != verdict) {
    resultLabel->setAccessibleDescription(verdict);
    return;
  }
  QAccessibleEvent event(resultLabel, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace lumora
