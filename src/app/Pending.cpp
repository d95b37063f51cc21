#include "app/Form1.h"

// Handlers not yet written. Each one moves to its subsystem's folder when it is built;
// delete its line here in the same change.
namespace lumora {
bool Form1::Form_Load() { return true; }
void Form1::resetQuizDisplay() {}
void Form1::prepareQuizDisplay() {}
void Form1::学習終了_Click() {}
bool Form1::loadHardSoundTable() { return true; }
bool Form1::loadSplitSoundTable() { return true; }
void Form1::updateMissList(int, std::int16_t, const QString&, const QString&) {}
void Form1::saveMissFile() {}
void Form1::loadMissFile() {}
void Form1::不正解分_Click() {}
void Form1::不正解分リセット_Click() {}
void Form1::data_load_Click() {}
void Form1::data_save_Click() {}
void Form1::出題開始_Click() {}
void Form1::clearTypedAnswerFields() {}
int Form1::checkCategorySelected() { return 0; }
void Form1::chooseCategory() {}
void Form1::nextAutoQuestion() {}
void Form1::Timer1_Timer() {}
void Form1::自動_Click() {}
void Form1::手動_Click() {}
void Form1::自動中止_Click() {}
void Form1::出題数Combo_Change(int) {}
void Form1::出題数Combo_Click(int) {}
void Form1::制限時間Combo_Change(int) {}
void Form1::制限時間Combo_Click(int) {}
void Form1::clearAnswerButtons() {}
void Form1::enableButtonAnswer() {}
void Form1::enableTypedAnswer() {}
void Form1::drawWeekdayChoices() {}
void Form1::showChoiceCaptions(const QString&, const QString&, const QString&) {}
void Form1::showChoicePictures(const QString&, const QString&, const QString&) {}
void Form1::Command4_Click(int) {}
void Form1::hint_Click(int) {}
void Form1::Text1_Change() {}
void Form1::playQuestionSound(std::int16_t, const QString&, const QString&) {}
void Form1::playCorrectBuzzer() {}
void Form1::playWrongBuzzer() {}
void Form1::再度再生_Click() {}
}  // namespace lumora
