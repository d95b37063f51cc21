#pragma once

#include <QLabel>
#include <QString>

#include "app/Form1.h"

// What assistive tools are told about the answer area: the names of the answer and
// loudspeaker buttons, and each verdict, spoken without the learner moving the focus.
namespace lumora {

// Names Command4(index) and hint(index) after what the answer button shows: its caption
// or the syllable of its picture. A blank button is named by its place.
void nameAnswerButton(Form1& form, int index, const QString& shown);

// The verdict shown on `resultLabel` becomes its description, with the right answer
// after it when there is one, and assistive tools hear of it even when it reads as before.
void announceVerdict(QLabel* resultLabel, const QString& rightAnswer);

}  // namespace lumora
