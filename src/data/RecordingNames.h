#pragma once

#include <QString>

// File names of the recordings and pictures, built from fixed prefixes and zero-padded
// numbers. The sound folder and picture folder hold files of exactly these names.
namespace lumora::names {

QString padded3(int number);  // 1 -> "001", 100 -> "100"
QString padded2(int number);  // 1 -> "01", 31 -> "31"

// 1 "日曜" ... 7 "土曜"; any other number gives an empty text.
QString weekdayName(int weekday);

QString sinoNumber(int n);                   // 漢数詞007_00.wav
QString nativeNumber(int n);                 // 固有数詞007_00.wav
QString month(int m);                        // 月M03_01.wav
QString day(int d);                          // 日D09_00.wav
QString weekday(int w);                      // 水曜4_00.wav (the number is not padded)
QString hour(int h);                         // 時05時_01.wav
QString minute(const QString& namePart);     // 分<name part>_00.wav
QString ordinal(int n);                      // 番目010_01.wav
QString hardSound(const QString& syllable);  // 難聴音<syllable>_00.wav
QString picture(const QString& syllable);    // <syllable>.JPG

inline const QString kCorrectBuzzer = QStringLiteral("OK_BZER.WAV");
inline const QString kWrongBuzzer = QStringLiteral("NG_BZER.WAV");
inline const QString kHardSoundTable = QStringLiteral("ハングル難聴音.csv");
inline const QString kSplitSoundTable = QStringLiteral("分音対応表.csv");
inline const QString kMissFile = QStringLiteral("MemorizeFile.csv");
inline const QString kSoundFolder = QStringLiteral("韓国語ヒヤリング音源");
inline const QString kPictureFolder = QStringLiteral("ハングル画像");

}  // namespace lumora::names
