#include "app/Form1.h"
#include "data/MissFileFolder.h"
#include "data/MissList.h"
#include "data/MissListFile.h"
#include "data/RecordingNames.h"

namespace lumora {
namespace {

// The one place that says where the list is kept.
QString missFilePath(const Form1& form) { return missFileFolder(form.soundDir) + names::kMissFile; }

}  // namespace

void Form1::updateMissList(int operation, std::int16_t kind, const QString& fileA,
                           const QString& fileB) {
  if (operation == kRememberMiss) {
    rememberMiss({quizCategory, kind, fileA, fileB, currentAnswer, choiceValues, hardSoundRow});
  } else if (operation == kForgetMiss) {
    removeMiss(missList, fileA, fileB);
  }
}

bool Form1::rememberMiss(const MissQuestion& question) {
  if (appendMiss(missList, question) != AppendResult::Full) return true;
  platform_.dialogs->warning(kApplicationTitle,
                             QStringLiteral("不正解分のデータが上限の %1 件に達しているため、"
                                            "この問題は記録できませんでした。")
                                 .arg(kMissCapacity));
  return false;
}

void Form1::saveMissFile() {
  // A message of a run stops it, so that no tick asks a question behind the open box.
  if (missCount(missList) == 0) {
    Dialogs::Answer answer = Dialogs::Answer::Cancel;
    stopRunAround([&] {
      answer = platform_.dialogs->askYesNoCancel(
          kApplicationTitle,
          QStringLiteral("不正解分のデータ件数が０件です\nファイルをリセットしますか？"));
    });
    if (answer != Dialogs::Answer::Yes) return;
  }
  if (const auto error = writeMissFile(missFilePath(*this), missFileRecords(missList))) {
    stopRunWithMessage(&Dialogs::warning, kApplicationTitle,
                       QStringLiteral("不正解分のデータを記録できませんでした。\n") + *error);
  }
}

void Form1::loadMissFile() {
  if (const auto error = readMissFile(missFilePath(*this), missList)) {
    stopRunWithMessage(&Dialogs::warning, kApplicationTitle,
                       QStringLiteral("不正解分のデータを読み込めませんでした。\n%1\n"
                                      "今の不正解分のデータはそのままです。")
                           .arg(*error));
  }
}

void Form1::不正解分_Click() {
  不正解問数->setText(QString::number(missCount(missList)) + QStringLiteral("問"));
}

void Form1::不正解分リセット_Click() {
  不正解問数->setText(QString());
  missList(0, 0) = QStringLiteral("0");
}

void Form1::data_load_Click() {
  loadMissFile();
  不正解分_Click();
}

void Form1::data_save_Click() { saveMissFile(); }

}  // namespace lumora
