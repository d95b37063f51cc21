#include <QPixmap>

#include "app/Colours.h"
#include "app/Form1.h"

namespace lumora {

void Form1::clearAnswerButtons() {
  for (int i = 0; i < 3; ++i) {
    Command4(i)->setText(QString());
    colours::setBackColour(Command4(i), colours::kWindowBackground);
    Label3(i)->setText(QString());
    colours::setBackColour(Label3(i), colours::kWindowBackground);
    Command4(i)->setIcon(QIcon());
  }
}

void Form1::enableButtonAnswer() {
  for (int i = 0; i < 3; ++i) {
    Command4(i)->setEnabled(true);
    hint(i)->setEnabled(true);
  }
  Text1->setEnabled(false);
  colours::setBackColour(Text1, colours::kLightGrey);
}

void Form1::enableTypedAnswer() {
  for (int i = 0; i < 3; ++i) {
    Command4(i)->setEnabled(false);
    hint(i)->setEnabled(false);
  }
  Text1->setEnabled(true);
  colours::setBackColour(Text1, colours::kWhite);
}

void Form1::drawWeekdayChoices() {
  RandomSource& random = *platform_.random;
  choiceValues[1] = choiceValues[2] = choiceValues[3] = 0;
  for (int i = 1; i <= 3; ++i) {
    do {
      choiceValues[i] = static_cast<std::int16_t>(drawOneTo(random, 7));
    } while (
        (i == 2 && choiceValues[1] == choiceValues[2]) ||
        (i == 3 && (choiceValues[3] == choiceValues[1] || choiceValues[3] == choiceValues[2])));
  }
  choiceValues[0] = choiceValues[drawOneTo(random, 3)];
}

void Form1::showChoiceCaptions(const QString& caption0, const QString& caption1,
                               const QString& caption2) {
  for (int i = 0; i < 3; ++i) {
    colours::setBackColour(Command4(i), colours::kLightGreen);
    Command4(i)->setText(QString());
  }
  Command4(0)->setText(caption0);
  Command4(1)->setText(caption1);
  Command4(2)->setText(caption2);
}

void Form1::showChoicePictures(const QString& file0, const QString& file1, const QString& file2) {
  for (int i = 0; i < 3; ++i) {
    colours::setBackColour(Command4(i), colours::kLightGreen);
    Command4(i)->setText(QString());
  }
  const std::array<const QString*, 3> files = {&file0, &file1, &file2};
  for (int i = 0; i < 3; ++i) {
    // A missing or unreadable picture leaves the button without one.
    const QPixmap picture(imageDir + *files[i]);
    Command4(i)->setIcon(picture.isNull()
                             ? QIcon()
                             : QIcon(picture.scaled(Command4(i)->iconSize(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation)));
  }
}

}  // namespace lumora
