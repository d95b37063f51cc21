#include "app/Form1.h"
#include "data/MissFileFolder.h"
#include "data/MissList.h"
#include "data/MissListFile.h"
#include "quiz/RecordingNames.h"

namespace lumora {

void Form1::updateMissList(int operation, std::int16_t kind, const QString& fileA,
                           const QString& fileB) {
  if (operation == kRememberMiss) {
    const MissQuestion question{quizCategory,  kind,         fileA,       fileB,
                                currentAnswer, choiceValues, hardSoundRow};
    if (appendMiss(missList, question) == AppendResult::Full) {
      platform_.dialogs->warning(kApplicationTitle,
                                 QStringLiteral("不正解分のデータが上限の %1 件に達しているため、"
                                                "この問題は記録できませんでした。")
                                     .arg(kMissCapacity));
    }
  } else if (operation == kForgetMiss) {
    removeMiss(missList, fileA, fileB);
  }
}

void Form1::saveMissFile() {
  if (missCount(missList) == 0 &&
      platform_.dialogs->askYesNoCancel(
          kApplicationTitle,
          QStringLiteral("不正解分のデータ件数が０件です\nファイルをリセットしますか？")) !=
          Dialogs::Answer::Yes) {
    return;
  }
  if (const auto error =
          writeMissFile(missFileFolder(soundDir) + names::kMissFile, missFileRecords(missList))) {
    platform_.dialogs->warning(kApplicationTitle,
                               QStringLiteral("不正解分のデータを記録できませんでした。\n%1\n"
                                              "前に記録したファイルはそのまま残っています。")
                                   .arg(*error));
  }
}

void Form1::loadMissFile() {
  if (const auto error = readMissFile(missFileFolder(soundDir) + names::kMissFile, missList)) {
    platform_.dialogs->warning(kApplicationTitle,
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
