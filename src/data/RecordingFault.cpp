#include "data/RecordingFault.h"

#include <QDir>

namespace lumora {
namespace {

QString faultDescription(RecordingFault fault) {
  switch (fault) {
    case RecordingFault::missing:
      return QStringLiteral("が見つかりません。");
    case RecordingFault::unreadable:
      return QStringLiteral("を開けません（フォルダーであるか、読み取りが許可されていません）。");
    case RecordingFault::empty:
      return QStringLiteral("は空です。");
    case RecordingFault::damaged:
      return QStringLiteral("は途中で切れているか、WAV 形式ではありません。");
    case RecordingFault::beyondLimits:
      return QStringLiteral(
          "は再生できる範囲を超えています（サンプリング周波数 8〜192 kHz、長さ 30 秒まで、"
          "大きさ 16 MiB まで）。");
    case RecordingFault::deviceFailed:
      return {};
  }
  return {};
}

}  // namespace

QString recordingFaultMessage(RecordingFault fault, const QString& path) {
  // The file itself is fine: the data check would find nothing.
  if (fault == RecordingFault::deviceFailed) {
    return QStringLiteral(
               "音声の出力装置が使えなくなったため、音声ファイル「%1」を再生できませんでした。\n"
               "スピーカーやヘッドホンのつなぎ方を確かめてから、Lumora を起動し直して下さい。")
        .arg(QDir::toNativeSeparators(path));
  }
  return QStringLiteral(
             "音声ファイル「%1」%2\nこの音声は再生されません。\n"
             "lumora-datacheck を実行すると、足りないファイルや壊れたファイルを"
             "まとめて確かめられます。")
      .arg(QDir::toNativeSeparators(path), faultDescription(fault));
}

}  // namespace lumora
