#include "record/RecordFault.h"

namespace lumora {
namespace {

QString whatHappened(const RecordFault& fault) {
  switch (fault.kind) {
    case RecordFault::Kind::folderNotCreated:
      return QStringLiteral(
                 "学習記録を置くフォルダ「%1」を作れませんでした。\n"
                 "同じ名前のファイルがないか、その上のフォルダに書き込めるか確かめて"
                 "ください。\n%2")
          .arg(fault.file ? fault.file->path : QString(),
               fault.file ? fault.file->detail() : QString());
    case RecordFault::Kind::notWritten:
      return QStringLiteral("学習記録「%1」に書き込めませんでした。\n").arg(fault.path) +
             (fault.file ? fault.file->message() : QString());
    case RecordFault::Kind::locked:
      return QStringLiteral(
                 "学習記録「%1」は、ほかに開いている Lumora "
                 "が使っているため、書き込めませんでした。\n"
                 "ほかの Lumora を閉じてください。")
          .arg(fault.path);
    case RecordFault::Kind::movedAside:
      return QStringLiteral(
                 "学習記録「%1」は壊れているか、学習記録のファイルではありませんでした。\n"
                 "そのファイルは消さずに「%2」へ移し、新しい学習記録を始めました。")
          .arg(fault.path, fault.movedTo);
    case RecordFault::Kind::newerSchema:
      return QStringLiteral(
                 "学習記録「%1」は、この Lumora より新しい版で作られています。\n"
                 "記録を損なわないよう、この版では読み書きしません（ファイルはそのままです）。\n"
                 "新しい版の Lumora を使ってください。")
          .arg(fault.path);
  }
  return {};
}

}  // namespace

QString recordFaultMessage(const RecordFault& fault) {
  return whatHappened(fault) +
         QStringLiteral("\n練習はこのまま続けられます。不正解分のデータには影響ありません。");
}

}  // namespace lumora
