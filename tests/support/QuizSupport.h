#pragma once

#include <QCheckBox>
#include <QList>
#include <QStringList>
#include <initializer_list>

#include "data/TextTable.h"
#include "support/FormHarness.h"

// Helpers of the quiz engine's tests.
namespace lumora::testing {

// A table of the given size whose rows 0.. hold the records.
TextTable tableOf(int rows, int columns, const QList<QStringList>& records);

// The r whose band draw of 1..756 gives t.
double bandDraw(int t);

// The r whose draw of 0..n-1 gives index.
double indexDraw(int index, int n);

// Ticks exactly the given category boxes.
void tickOnly(Form1& form, std::initializer_list<QCheckBox*> boxes);

// The question's no-repeat key, read back from what the question left in the window.
std::int16_t keyOnScreen(const Form1& form);

// Puts the entries into the incorrect-answer list as rows 1.. and sets the count.
void storeEntries(Form1& form, const QList<QStringList>& entries);

}  // namespace lumora::testing
