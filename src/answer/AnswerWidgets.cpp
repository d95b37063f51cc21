#include <QFileInfo>
#include <QFontMetricsF>
#include <QPixmap>

#include "answer/Accessibility.h"
#include "answer/Colours.h"
#include "app/Form1.h"
#include "data/Category.h"
#include "data/HangulSyllable.h"

namespace lumora {
namespace {

constexpr char kCaptionFontProperty[] = "lumoraCaptionFont";
// The Korean font the pictures are drawn in (Debian's fonts-nanum).
const QString kSyllableFontFamily = QStringLiteral("NanumGothic");
constexpr double kSyllableHeightShare = 0.7;  // of the picture area, as on the pictures
constexpr double kSyllableWidthShare = 0.9;

// A caption in the button's own font, which a syllable shown in its place may have changed.
void setCaption(QPushButton* button, const QString& caption) {
  const QVariant captionFont = button->property(kCaptionFontProperty);
  if (captionFont.isValid()) button->setFont(captionFont.value<QFont>());
  button->setText(caption);
}

// A syllable whose picture is missing, as large as on the pictures, so the three buttons of
// a question can still be told apart.
void showSyllable(QPushButton* button, const QString& syllable) {
  if (!button->property(kCaptionFontProperty).isValid()) {
    button->setProperty(kCaptionFontProperty, button->font());
  }
  QFont font(kSyllableFontFamily);
  font.setBold(true);
  font.setPixelSize(int(button->iconSize().height() * kSyllableHeightShare));
  const double room = kSyllableWidthShare * button->iconSize().width();
  const double width = QFontMetricsF(font).horizontalAdvance(syllable);
  if (width > room) font.setPixelSize(int(font.pixelSize() * room / width));
  button->setFont(font);
  button->setText(syllable);
}

// Button style enables the answer and loudspeaker buttons; typed style enables the box.
void setAnswerStyle(Form1& form, bool buttons) {
  for (int i = 0; i < 3; ++i) {
    form.Command4(i)->setEnabled(buttons);
    form.hint(i)->setEnabled(buttons);
  }
  form.Text1->setEnabled(!buttons);
  colours::setBackColour(form.Text1, buttons ? colours::kLightGrey : colours::kWhite);
}

// The answer buttons about to show options: light green and without a caption.
void prepareOptionButtons(Form1& form) {
  for (int i = 0; i < 3; ++i) {
    colours::setBackColour(form.Command4(i), colours::kLightGreen);
    setCaption(form.Command4(i), QString());
  }
}

}  // namespace

void Form1::clearAnswerButtons() {
  for (int i = 0; i < 3; ++i) {
    setCaption(Command4(i), QString());
    colours::setBackColour(Command4(i), colours::kWindowBackground);
    Label3(i)->setText(QString());
    Label3(i)->setAccessibleDescription(QString());
    colours::setBackColour(Label3(i), colours::kWindowBackground);
    Command4(i)->setIcon(QIcon());
    nameAnswerButton(*this, i, QString());
  }
}

// The buttons open for a new question, which the answer keys give a moment to be heard.
void Form1::enableButtonAnswer() {
  setAnswerStyle(*this, true);
  answerKeys_.questionPosed();
}

void Form1::enableTypedAnswer() { setAnswerStyle(*this, false); }

void Form1::drawWeekdayChoices() {
  RandomSource& random = *platform_.random;
  choiceValues[1] = choiceValues[2] = choiceValues[3] = 0;
  for (int i = 1; i <= 3; ++i) {
    do {
      choiceValues[i] = static_cast<std::int16_t>(drawOneTo(random, category::kWeekdayCount));
    } while (
        (i == 2 && choiceValues[1] == choiceValues[2]) ||
        (i == 3 && (choiceValues[3] == choiceValues[1] || choiceValues[3] == choiceValues[2])));
  }
  choiceValues[0] = choiceValues[drawOneTo(random, 3)];
}

void Form1::showChoiceCaptions(const QString& caption0, const QString& caption1,
                               const QString& caption2) {
  prepareOptionButtons(*this);
  Command4(0)->setText(caption0);
  Command4(1)->setText(caption1);
  Command4(2)->setText(caption2);
  for (int i = 0; i < 3; ++i) nameAnswerButton(*this, i, Command4(i)->text());
}

void Form1::showChoicePictures(const QString& file0, const QString& file1, const QString& file2) {
  prepareOptionButtons(*this);
  const std::array<const QString*, 3> files = {&file0, &file1, &file2};
  for (int i = 0; i < 3; ++i) {
    const QPixmap picture(imageDir + *files[i]);
    const QString syllable = QFileInfo(*files[i]).completeBaseName();
    if (picture.isNull()) {
      Command4(i)->setIcon(QIcon());
      showSyllable(Command4(i), hangulOfRomanized(syllable).value_or(syllable));
    } else {
      Command4(i)->setIcon(QIcon(
          picture.scaled(Command4(i)->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    nameAnswerButton(*this, i, syllable);
  }
}

}  // namespace lumora
