#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <algorithm>

#include "AcousticCheck.h"
#include "ContentList.h"
#include "EspeakSpeech.h"
#include "RowFigures.h"
#include "data/RecordingNames.h"

// What the shipped voice says, and whether a learner can tell a hard-to-hear row apart.
namespace lumora::contentgen {
namespace {

const ContentList& shippedList() {
  static const ContentList list = readContentList(QStringLiteral(LUMORA_CONTENT_LIST));
  return list;
}

struct ReviewedLine {
  QString spoken;
  QString phonemes;
};

// The reviewed phoneme list by file name.
QHash<QString, ReviewedLine> reviewedPhonemes() {
  QFile file(QStringLiteral(LUMORA_PHONEME_LIST));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << LUMORA_PHONEME_LIST;
  QHash<QString, ReviewedLine> lines;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
    const QStringList fields = line.split(u'\t');
    if (line.startsWith(u'#') || fields.size() != 4) continue;
    lines.insert(fields[0], {fields[2], fields[3]});
  }
  return lines;
}

TEST(Voice, SpeaksEveryRecordingAsReviewed) {
  const QHash<QString, ReviewedLine> reviewed = reviewedPhonemes();
  const std::vector<Utterance> utterances = contentgen::utterances(shippedList());
  EXPECT_EQ(reviewed.size(), static_cast<qsizetype>(utterances.size()));
  EspeakSpeech speech;
  for (const Utterance& utterance : utterances) {
    const ReviewedLine expected = reviewed.value(utterance.fileName);
    EXPECT_EQ(utterance.spoken, expected.spoken) << utterance.fileName.toStdString();
    EXPECT_EQ(speech.phonemes(utterance.spoken), expected.phonemes)
        << utterance.fileName.toStdString() << " (" << utterance.text.toStdString() << ")";
  }
}

// Below this mean mel-cepstral distance two recordings count as the same sound: the same
// syllable spoken a fifth lower stays under 1, a plain and a tense consonant the voice renders
// alike under 2; different syllables lie above 3.5.
constexpr double kAudibleDistance = 2.5;
// The lax member starts its vowel at least this much lower than the other two.
constexpr double kLaxPitchRatio = 0.85;

// Index of the row member of the series; nullopt unless exactly one member has it.
std::optional<std::size_t> memberOf(const RowFigures& row, Onset onset) {
  if (std::count(row.onsetKinds.begin(), row.onsetKinds.end(), onset) != 1) return std::nullopt;
  return static_cast<std::size_t>(std::find(row.onsetKinds.begin(), row.onsetKinds.end(), onset) -
                                  row.onsetKinds.begin());
}

TEST(Voice, EveryHardToHearRowSoundsThreeWays) {
  const std::vector<RowFigures> rows = measureConfusableRows(
      shippedList(), QStringLiteral(LUMORA_GENERATED_APP_DIR) + u'/' + names::kSoundFolder);
  int stopRows = 0;
  for (const RowFigures& row : rows) {
    SCOPED_TRACE(QStringList(row.names.begin(), row.names.end()).join(u' ').toStdString());
    ASSERT_TRUE(row.unreadable.isEmpty());
    for (const double distance : row.distances) EXPECT_GT(distance, kAudibleDistance);
    const auto lax = memberOf(row, Onset::Lax);
    const auto aspirated = memberOf(row, Onset::Aspirated);
    const auto tense = memberOf(row, Onset::Tense);
    if (!lax || !aspirated || !tense) continue;
    ++stopRows;
    const auto pitch = [&](std::size_t member) { return row.onsets[member].pitchHz; };
    const auto voiceless = [&](std::size_t member) { return row.onsets[member].voicelessMs; };
    EXPECT_GT(pitch(*lax), 0);
    EXPECT_LE(pitch(*lax), kLaxPitchRatio * pitch(*aspirated));
    EXPECT_LE(pitch(*lax), kLaxPitchRatio * pitch(*tense));
    EXPECT_GT(voiceless(*aspirated), voiceless(*lax));
    EXPECT_GT(voiceless(*aspirated), voiceless(*tense));
  }
  EXPECT_GE(stopRows, 6);  // 가 다 바 자 고 두
  const auto hiss = hissContrast(rows);
  ASSERT_TRUE(hiss.has_value());
  EXPECT_GE(hiss->plainTense, hiss->closestStops);
}

// Every sound of every recording the build made meets its acoustic target, or the content
// list says why this voice cannot; and every target is heard somewhere.
TEST(Voice, EveryRecordingMeetsTheAcousticTargets) {
  EspeakSpeech speech;
  std::vector<Speech> renderings;
  for (const Utterance& utterance : utterances(shippedList())) {
    renderings.push_back(speech.speak(utterance.spoken));
  }
  const std::vector<Finding> findings = checkRecordings(
      shippedList(), QStringLiteral(LUMORA_GENERATED_APP_DIR) + u'/' + names::kSoundFolder,
      renderings);
  const VoiceReference voice = voiceReference(findings);
  std::array<int, kTargets> sounds{};
  for (const Finding& finding : findings) {
    ++sounds[static_cast<std::size_t>(finding.target)];
    EXPECT_TRUE(meetsTarget(finding, voice) || !finding.exception.isEmpty())
        << finding.file.toStdString() << ' ' << finding.where.toStdString() << ": "
        << finding.figures[0] << ' ' << finding.figures[1] << ' ' << finding.figures[2]
        << (finding.measured ? "" : " (not found)");
  }
  for (int target = 0; target < kTargets; ++target) EXPECT_GT(sounds[target], 0) << target;
}

}  // namespace
}  // namespace lumora::contentgen
