#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/AppFolders.h"
#include "app/Form1.h"
#include "data/FileFault.h"
#include "data/RecordingNames.h"
#include "quiz/QuestionNumberCaption.h"

namespace lumora {
namespace {

// Without the pictures the hard-to-hear answer buttons stay blank; say why once, here,
// rather than leave it to every question (or to a message in the middle of a timed run).
void warnIfNoPictureFolder(const QString& imageDir, Dialogs& dialogs) {
  if (QFileInfo(imageDir).isDir()) return;
  dialogs.warning(kApplicationTitle,
                  QStringLiteral("絵のフォルダ「%1」がありません（%2）。\n"
                                 "難聴音の問題では、答のボタンに絵が出ません。\n")
                          .arg(names::kPictureFolder, imageDir) +
                      QString::fromUtf16(kDataCheckAdvice));
}

// Clock-time questions need the minute table; the box says why it cannot be ticked.
void withoutClockTimes(QCheckBox& box, const QString& problem) {
  box.setEnabled(false);
  box.setToolTip(
      QStringLiteral("分の表 %1 を直すまで選べません。\n%2").arg(names::kSplitSoundTable, problem));
}

}  // namespace

bool Form1::Form_Load() {
  for (const char* item : {"5", "10", "20", "50", "100"}) 出題数Combo(0)->addItem(item);
  出題数Combo(0)->setEditText(QStringLiteral("5"));
  for (const char* item : {"2", "3", "5", "10", "15", "20", "30"}) 制限時間Combo(1)->addItem(item);
  制限時間Combo(1)->setEditText(QStringLiteral("5"));

  questionCountText = 出題数Combo(0)->currentText();
  questionCount = questionCountText.number();

  resetQuizDisplay();
  clearAnswerButtons();

  soundDir = dataFolder(applicationFolder_, names::kSoundFolder);
  imageDir = dataFolder(applicationFolder_, names::kPictureFolder);
  hardSoundDir = dataFolder(applicationFolder_, names::kSoundFolder);
  splitTableDir = dataFolder(applicationFolder_, names::kSoundFolder);

  if (!loadHardSoundTable()) return false;
  if (const auto problem = loadSplitSoundTable()) withoutClockTimes(*時間, *problem);
  warnIfNoPictureFolder(imageDir, *platform_.dialogs);
  return true;
}

void Form1::resetQuizDisplay() {
  for (int i = 0; i < 3; ++i) Label6(i)->setVisible(true);
  出題数Combo(0)->setVisible(true);
  制限時間Combo(1)->setVisible(true);
  Label8(0)->setVisible(false);
  Label8(1)->setVisible(false);
  得点->setVisible(false);
}

void Form1::prepareQuizDisplay() {
  Label6(1)->setVisible(false);
  Label6(2)->setVisible(false);
  制限時間Combo(1)->setVisible(false);
  Label8(0)->setText(questionNumberCaption(questionNumber));
  Label8(0)->setVisible(true);
  Label8(1)->setVisible(false);
  得点->setVisible(false);
}

void Form1::学習終了_Click() {
  Timer1.setEnabled(false);
  platform_.audio->stop();
  close();
  QCoreApplication::quit();
}

// No question follows a close request, not even from a tick already due.
void Form1::closeEvent(QCloseEvent* event) {
  closeRequested_ = true;
  Timer1.setEnabled(false);
  gate_.close();
  QWidget::closeEvent(event);
}

}  // namespace lumora
