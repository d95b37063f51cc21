#include "RecordingScript.h"

#include <QHash>
#include <QSet>
#include <algorithm>

#include "HowToSay.h"
#include "Pronunciation.h"
#include "RecordingFamily.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {
namespace {

const QString kPreface = QStringLiteral(
    "<p>1つの録音に1つの語を、表のファイル名で保存してください（拡張子は自由：WAV、FLAC、Ogg "
    "など。サンプリング周波数・ビット数・チャンネル数も自由）。語の直前から録音を始め、前後の"
    "無音は自動で切り取られ、音量もそろえられます。録音をまとめたフォルダーを "
    "<code>lumora-import</code> で取り込みます。<code>lumora-studio</code> を使えば、この順に"
    "マイクから直接一語ずつ録音できます。</p>\n"
    "<p class=\"note\"><strong>録音のこつ</strong>：静かな部屋で、マイクは口から15〜20 cm、"
    "息が直接当たらないよう少し横に置きます。録音レベルは、いちばん強い声（激音や濃音）でも"
    "振り切れない（クリップしない）高さに合わせ、途中で変えないでください。全部の録音を"
    "<strong>同じ一人の話者</strong>が、同じマイク・同じ場所で録音してください。声が混ざると、"
    "聞き分けの手がかりが声の違いになってしまいます。</p>\n");

const QString kTwoPartNote = QStringLiteral(
    "二つの録音を続けて流す問題があります（月日の問題では月のあとに日、時間の問題"
    "では時のあとに分）。どちらも文の一部としてではなく<strong>独立した一語</strong>として、上げも"
    "下げもしない<strong>平らな（中立の）イントネーション</strong>で録音してください。つなげて"
    "聞いても自然に聞こえます。");

const QString kRowNote = QStringLiteral(
    "1行の3音節は、聞き分ける違い（子音・母音・終声）のほかは同じ長さ・同じ強さ"
    "で言ってください。一つの行の中で先生の声と合成音声を混ぜると、声の違いで答えが分かってしまい"
    "ます：行ごとに3つともそろえて録音してください。");

// What a section says before its table.
QString sectionNote(const QString& category) {
  const QString note = categoryNote(category);
  return note.isEmpty() ? note : QStringLiteral("<p class=\"note\">%1</p>\n").arg(note);
}

// The place of a line in the script: its category's, then for a syllable its first row's, so
// that the three syllables of a row are recorded one after the other.
std::vector<std::pair<qsizetype, std::size_t>> scriptPlaces(const ContentList& list,
                                                            const std::vector<ScriptLine>& lines) {
  QStringList categories;
  QHash<QString, std::size_t> firstRow;
  for (std::size_t r = list.confusableRows.size(); r-- > 0;) {
    for (const QString& name : list.confusableRows[r].names) {
      firstRow.insert(names::hardSound(name), r);
    }
  }
  std::vector<std::pair<qsizetype, std::size_t>> places;
  for (const ScriptLine& line : lines) {
    if (!categories.contains(line.category)) categories.append(line.category);
    places.emplace_back(categories.indexOf(line.category),
                        firstRow.value(line.fileName, list.confusableRows.size()));
  }
  return places;
}

QString cell(const QString& text) {
  return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
}

QString lineTable(const std::vector<ScriptLine>& lines, const QString& category) {
  QString html = QStringLiteral(
      "<table>\n<tr><th>ファイル名</th><th>韓国語</th><th>意味</th><th>言い方</th></tr>\n");
  for (const ScriptLine& line : lines) {
    if (line.category != category) continue;
    html += QStringLiteral("<tr>") + cell(line.fileName) + cell(line.korean) + cell(line.meaning) +
            cell(line.howToSay) + QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table>\n");
}

// The hard-to-hear syllables row by row, as the quiz shows them: three side by side.
QString rowTable(const ContentList& list, const std::vector<ScriptLine>& lines) {
  QHash<QString, const ScriptLine*> byFile;
  for (const ScriptLine& line : lines) byFile.insert(line.fileName, &line);
  QString html = QStringLiteral(
      "<table class=\"rows\">\n<tr><th>行</th><th>1</th><th>2</th><th>3</th></tr>\n");
  for (std::size_t r = 0; r < list.confusableRows.size(); ++r) {
    html += QStringLiteral("<tr><td>%1</td>").arg(r + 1);
    for (const QString& name : list.confusableRows[r].names) {
      const ScriptLine* line = byFile.value(names::hardSound(name));
      if (line == nullptr) continue;
      html += QStringLiteral("<td><span class=\"korean\">%1</span><br>%2<br>%3</td>")
                  .arg(line->korean.toHtmlEscaped(), line->fileName.toHtmlEscaped(),
                       line->howToSay.toHtmlEscaped());
    }
    html += QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table>\n");
}

}  // namespace

QString categoryNote(const QString& category) {
  if (category == u"月" || category == u"日" || category == u"時" || category == u"分") {
    return kTwoPartNote;
  }
  return category == u"難聴音" ? kRowNote : QString();
}

std::vector<ScriptLine> scriptLines(const ContentList& list) {
  QHash<QString, QString> minuteLabels;
  for (const MinuteRow& row : list.minuteRows)
    minuteLabels.insert(names::minute(row.namePart), row.label);
  std::vector<ScriptLine> lines;
  for (const Utterance& utterance : utterances(list)) {
    const RecordingFamily family = recordingFamily(utterance.fileName);
    lines.push_back({family.category, utterance.fileName, utterance.text,
                     minuteLabels.value(utterance.fileName, family.meaning), howToSay(utterance)});
  }
  return lines;
}

std::vector<ScriptLine> scriptOrder(const ContentList& list) {
  const std::vector<ScriptLine> lines = scriptLines(list);
  const auto places = scriptPlaces(list, lines);
  std::vector<std::size_t> order(lines.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return places[a] < places[b]; });
  std::vector<ScriptLine> ordered;
  for (const std::size_t i : order) ordered.push_back(lines[i]);
  return ordered;
}

QByteArray recordingScript(const ContentList& list) {
  const std::vector<ScriptLine> lines = scriptLines(list);
  QStringList categories;
  for (const ScriptLine& line : lines) {
    if (!categories.contains(line.category)) categories.append(line.category);
  }
  QString html = QStringLiteral(
                     "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<title>Lumora 録音台本</title>\n<style>\n"
                     "body { font-family: sans-serif; margin: 2em; }\n"
                     "table { border-collapse: collapse; width: 100%; margin-bottom: 1.5em; }\n"
                     "th, td { border: 1px solid #888; padding: 0.2em 0.5em; text-align: left; }\n"
                     "td:nth-child(2), .korean { font-size: 1.4em; }\n"
                     "table.rows td:nth-child(2) { font-size: 1em; }\n"
                     "tr { break-inside: avoid; }\n"
                     ".note { background: #f3f3f3; padding: 0.5em; }\n"
                     "</style>\n</head>\n<body>\n<h1>Lumora 録音台本</h1>\n") +
                 kPreface;
  for (const QString& category : categories) {
    html += QStringLiteral("<h2>%1</h2>\n").arg(category.toHtmlEscaped()) + sectionNote(category);
    html += category == u"難聴音" ? rowTable(list, lines) : lineTable(lines, category);
  }
  html += QStringLiteral("</body>\n</html>\n");
  return html.toUtf8();
}

}  // namespace lumora::contentgen
