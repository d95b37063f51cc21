#include <gtest/gtest.h>

#include <QHash>

#include "RecordingScript.h"

namespace lumora::contentgen {
namespace {

const ContentList& shippedList() {
  static const ContentList list = readContentList(QStringLiteral(LUMORA_CONTENT_LIST));
  return list;
}

const QHash<QString, ScriptLine>& linesByFile() {
  static const QHash<QString, ScriptLine> lines = [] {
    QHash<QString, ScriptLine> byFile;
    for (const ScriptLine& line : scriptLines(shippedList())) byFile.insert(line.fileName, line);
    return byFile;
  }();
  return lines;
}

struct MeaningCase {
  const char* fileName;
  const char* category;
  const char* meaning;
  const char* howToSay;  // a part of it
};

void PrintTo(const MeaningCase& meaning, std::ostream* out) { *out << meaning.fileName; }

class RecordingScriptTest : public testing::TestWithParam<MeaningCase> {};

TEST_P(RecordingScriptTest, DerivesTheMeaningFromTheCategoryAndNumber) {
  ASSERT_TRUE(linesByFile().contains(QString::fromUtf8(GetParam().fileName)));
  const ScriptLine& line = linesByFile().value(QString::fromUtf8(GetParam().fileName));
  EXPECT_EQ(line.category, QString::fromUtf8(GetParam().category));
  EXPECT_EQ(line.meaning, QString::fromUtf8(GetParam().meaning));
  EXPECT_TRUE(line.howToSay.contains(QString::fromUtf8(GetParam().howToSay)))
      << line.howToSay.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    RecordingScript, RecordingScriptTest,
    testing::Values(MeaningCase{"漢数詞017_00.wav", "漢数詞", "17（漢数詞）", "一語"},
                    MeaningCase{"固有数詞100_00.wav", "固有数詞",
                                "100（固有数詞の問題。固有語に100はなく、漢数詞の백）", "一語"},
                    MeaningCase{"固有数詞008_00.wav", "固有数詞", "8（固有数詞）", "発音 [여덜]"},
                    MeaningCase{"固有数詞016_00.wav", "固有数詞", "16（固有数詞）",
                                "発音 [열려섣]"},
                    MeaningCase{"月M03_01.wav", "月", "3月", "平らな"},
                    MeaningCase{"日D31_00.wav", "日", "31日", "平らな"},
                    MeaningCase{"水曜4_00.wav", "曜日", "水曜日", "一語"},
                    MeaningCase{"時05時_01.wav", "時", "5時", "平らな"},
                    MeaningCase{"分30半_00.wav", "分", "半", "平らな"},
                    MeaningCase{"番目010_01.wav", "番目", "10番目", "一語"},
                    MeaningCase{"難聴音ga_00.wav", "難聴音", "音節 ga", "平音"},
                    MeaningCase{"難聴音cha_00.wav", "難聴音", "音節 cha", "激音"},
                    MeaningCase{"難聴音ssa_00.wav", "難聴音", "音節 ssa", "濃音"},
                    MeaningCase{"難聴音gak_00.wav", "難聴音", "音節 gak", "終声"}));

TEST(RecordingScript, ListsEveryRecordingWithItsTextAndExplainsTheTwoPartQuestions) {
  const QString html = QString::fromUtf8(recordingScript(shippedList()));
  for (const ScriptLine& line : scriptLines(shippedList())) {
    EXPECT_NE(line.category, u"その他") << line.fileName.toStdString();
    // A hard-to-hear syllable stands in its row, the others one to a line.
    const QString shown =
        line.category == u"難聴音"
            ? QStringLiteral("%2</span><br>%1<br>").arg(line.fileName, line.korean)
            : QStringLiteral("<td>%1</td><td>%2</td>").arg(line.fileName, line.korean);
    EXPECT_TRUE(html.contains(shown)) << line.fileName.toStdString();
  }
  for (const char* advice : {"独立した一語", "平らな（中立の）イントネーション", "マイク",
                             "同じ一人の話者", "<table class=\"rows\">"}) {
    EXPECT_TRUE(html.contains(QString::fromUtf8(advice))) << advice;
  }
}

}  // namespace
}  // namespace lumora::contentgen
