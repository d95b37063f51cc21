#pragma once

#include <QString>

#include "quiz/TimeLimit.h"

// What the learner is told when a question or a run cannot be started.
namespace lumora::quizmessages {

// checkCategorySelected's status when no category box is ticked.
constexpr int kNoCategory = 99;

inline const QString kNoCategoryTitle = QStringLiteral("＊＊＊＊＊＊　注意　＊＊＊＊＊＊＊");
inline const QString kNoCategoryText = QStringLiteral("出題内容を選択して下さい");

inline const QString kCountNotNumber =
    QStringLiteral("出題数が数になっていません。\n出題数を半角数字で入力して下さい。");
inline const QString kTimeLimitOutOfRange =
    QStringLiteral("制限時間は0秒から%1秒までの数を半角数字で入力して下さい。")
        .arg(kLongestTimeLimitSeconds);
inline const QString kNoHardSoundRow = QStringLiteral(
    "難聴音の表に出題できる行がありません。\n難聴音のチェックを外して出題して下さい。");

}  // namespace lumora::quizmessages
