#include "RecordingScript.h"

#include <QRegularExpression>
#include <algorithm>

#include "OnsetSeries.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {
namespace {

const QString kOneWord = QStringLiteral("一語として自然に");
const QString kSeparateWord = QStringLiteral("独立した一語として・平らなイントネーションで");

// A recording family: its file names, the category, how its meaning is written (%1 is the
// number or weekday of the name) and how to say it.
struct Family {
  QString category;
  QRegularExpression pattern;
  QString meaning;
  QString howToSay;
};

const std::vector<Family>& families() {
  static const std::vector<Family> all{
      {QStringLiteral("漢数詞"), QRegularExpression(QStringLiteral("^漢数詞(\\d{3})_00\\.wav$")),
       QStringLiteral("%1（漢数詞）"), kOneWord},
      {QStringLiteral("固有数詞"),
       QRegularExpression(QStringLiteral("^固有数詞(\\d{3})_00\\.wav$")),
       QStringLiteral("%1（固有数詞）"), kOneWord},
      {QStringLiteral("月"), QRegularExpression(QStringLiteral("^月M(\\d{2})_01\\.wav$")),
       QStringLiteral("%1月"), kSeparateWord},
      {QStringLiteral("日"), QRegularExpression(QStringLiteral("^日D(\\d{2})_00\\.wav$")),
       QStringLiteral("%1日"), kSeparateWord},
      {QStringLiteral("曜日"), QRegularExpression(QStringLiteral("^(.)曜\\d_00\\.wav$")),
       QStringLiteral("%1曜日"), kOneWord},
      {QStringLiteral("時"), QRegularExpression(QStringLiteral("^時(\\d{2})時_01\\.wav$")),
       QStringLiteral("%1時"), kSeparateWord},
      {QStringLiteral("番目"), QRegularExpression(QStringLiteral("^番目(\\d{3})_01\\.wav$")),
       QStringLiteral("%1番目"), kOneWord},
  };
  return all;
}

// Numbers lose their padding: 漢数詞017 means 17.
QString meaningPart(const QString& captured) {
  bool number = false;
  const int value = captured.toInt(&number);
  return number ? QString::number(value) : captured;
}

// A Hangul respelling is how the word really sounds (여덟 said [여덜]); phoneme input for the
// voice means nothing to a teacher and is left out.
QString withSpokenForm(const QString& howToSay, const QString& spokenAs) {
  if (spokenAs.isEmpty() || spokenAs.startsWith(QStringLiteral("[["))) return howToSay;
  return QStringLiteral("%1（発音 [%2]）").arg(howToSay, spokenAs);
}

ScriptLine recordingLine(const Recording& recording) {
  for (const Family& family : families()) {
    const QRegularExpressionMatch match = family.pattern.match(recording.fileName);
    if (match.hasMatch()) {
      return {family.category, recording.fileName, recording.korean,
              family.meaning.arg(meaningPart(match.captured(1))),
              withSpokenForm(family.howToSay, recording.spokenAs)};
    }
  }
  return {QStringLiteral("その他"),
          recording.fileName,
          recording.korean,
          {},
          withSpokenForm(kOneWord, recording.spokenAs)};
}

// What the learner must hear in a syllable, from its first consonant: the lax, aspirated and
// tense series differ in breath and in the pitch the vowel starts at.
QString howToSaySyllable(const QString& hangul) {
  constexpr int kPlainS = 9;  // ㅅ, which with ㅆ forms the fricative pair
  constexpr int kTenseS = 10;
  const auto shape = firstSyllableShape(hangul);
  if (!shape) return kOneWord;
  if (shape->closed) return QStringLiteral("1音節で、終声（パッチム）をはっきり閉じる");
  if (shape->initial == kPlainS) return QStringLiteral("平音：息は弱く、やわらかく始める");
  if (shape->initial == kTenseS) return QStringLiteral("濃音：喉を締めて、摩擦を長く強く");
  switch (onsetSeries(hangul)) {
    case OnsetSeries::Lax:
      return QStringLiteral("平音：息は弱く、低めの高さで始める");
    case OnsetSeries::Aspirated:
      return QStringLiteral("激音：強い息を伴い、高めの高さで始める");
    case OnsetSeries::Tense:
      return QStringLiteral("濃音：息を出さず喉を締めて、高めの高さで始める");
    case OnsetSeries::None:
      break;
  }
  return QStringLiteral("1音節で、母音の口の形をはっきり");
}

const QString kTwoPartNote = QStringLiteral(
    "二つの録音を続けて流す問題があります（月日の問題では月のあとに日、時間の問題では時のあとに"
    "分）。どちらも文の一部としてではなく<strong>独立した一語</strong>として、上げも下げもしない"
    "<strong>平らな（中立の）イントネーション</strong>で録音してください。つなげて聞いても自然に"
    "聞こえます。");

QString cell(const QString& text) {
  return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
}

}  // namespace

std::vector<ScriptLine> scriptLines(const ContentList& list) {
  std::vector<ScriptLine> lines;
  for (const Recording& recording : list.recordings) lines.push_back(recordingLine(recording));
  for (const MinuteRow& row : list.minuteRows) {
    lines.push_back({QStringLiteral("分"), names::minute(row.namePart), row.korean, row.label,
                     withSpokenForm(kSeparateWord, row.spokenAs)});
  }
  for (const Syllable& syllable : list.syllables) {
    lines.push_back({QStringLiteral("難聴音"), names::hardSound(syllable.name), syllable.hangul,
                     QStringLiteral("音節 %1").arg(syllable.name),
                     howToSaySyllable(syllable.hangul)});
  }
  return lines;
}

std::vector<ScriptLine> scriptOrder(const ContentList& list) {
  std::vector<ScriptLine> lines = scriptLines(list);
  QStringList categories;
  for (const ScriptLine& line : lines) {
    if (!categories.contains(line.category)) categories.append(line.category);
  }
  std::stable_sort(lines.begin(), lines.end(), [&](const ScriptLine& a, const ScriptLine& b) {
    return categories.indexOf(a.category) < categories.indexOf(b.category);
  });
  return lines;
}

QString categoryNote(const QString& category) {
  if (category == u"月" || category == u"日" || category == u"時" || category == u"分") {
    return kTwoPartNote;
  }
  if (category == u"難聴音") {
    return QStringLiteral(
        "1音節ずつ、同じ長さと強さで。同じ行の3音節は、聞き分ける違い（子音・母音・終声）のほかは"
        "同じように言ってください。一つの行の中で先生の声と合成音声を混ぜると、声の違いで答えが"
        "分かってしまいます：行ごとに3つともそろえて録音してください。");
  }
  return {};
}

QByteArray recordingScript(const ContentList& list) {
  QString html = QStringLiteral(
      "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Lumora 録音台本</title>\n<style>\n"
      "body { font-family: sans-serif; margin: 2em; }\n"
      "table { border-collapse: collapse; width: 100%; margin-bottom: 1.5em; }\n"
      "th, td { border: 1px solid #888; padding: 0.2em 0.5em; text-align: left; }\n"
      "td:nth-child(2) { font-size: 1.4em; }\n"
      "tr { break-inside: avoid; }\n"
      ".note { background: #f3f3f3; padding: 0.5em; }\n"
      "</style>\n</head>\n<body>\n<h1>Lumora 録音台本</h1>\n"
      "<p>1つの録音に1つの語を、表のファイル名で保存してください（拡張子は自由：WAV、FLAC、Ogg "
      "など。サンプリング周波数・ビット数・チャンネル数も自由）。語の直前から録音を始め、前後の"
      "無音は自動で切り取られ、音量もそろえられます。録音をまとめたフォルダーを "
      "<code>lumora-import</code> で取り込みます。<code>lumora-studio</code> を使えば、この順に"
      "マイクから直接一語ずつ録音できます。</p>\n");
  QString category;
  for (const ScriptLine& line : scriptOrder(list)) {
    if (line.category != category) {
      if (!category.isEmpty()) html += QStringLiteral("</table>\n");
      category = line.category;
      html += QStringLiteral("<h2>%1</h2>\n").arg(category.toHtmlEscaped());
      if (const QString note = categoryNote(category); !note.isEmpty()) {
        html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(note);
      }
      html += QStringLiteral(
          "<table>\n<tr><th>ファイル名</th><th>韓国語</th><th>意味</th><th>言い方</th></tr>\n");
    }
    html += QStringLiteral("<tr>") + cell(line.fileName) + cell(line.korean) + cell(line.meaning) +
            cell(line.howToSay) + QStringLiteral("</tr>\n");
  }
  if (!category.isEmpty()) html += QStringLiteral("</table>\n");
  html += QStringLiteral("</body>\n</html>\n");
  return html.toUtf8();
}

}  // namespace lumora::contentgen
