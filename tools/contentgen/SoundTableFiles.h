#pragma once

#include <QByteArray>

#include "ContentList.h"

// The two sound tables as the program reads them: CP932 text, quoted fields, CR LF.
namespace lumora::contentgen {

// ハングル難聴音.csv: a title row whose first field is the row count N, then N rows of three
// answer flags and three syllable names.
QByteArray hardSoundTableFile(const ContentList& list);

// 分音対応表.csv: a title row, then the minute rows: label, answer count, minute, name part.
QByteArray splitSoundTableFile(const ContentList& list);

}  // namespace lumora::contentgen
