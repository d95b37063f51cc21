#include "RowFigures.h"

#include <QStringList>
#include <algorithm>
#include <optional>

#include "WaveFile.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {
namespace {

QString hangulOf(const ContentList& list, const QString& name) {
  const auto found = std::find_if(list.syllables.begin(), list.syllables.end(),
                                  [&](const Syllable& syllable) { return syllable.name == name; });
  return found == list.syllables.end() ? QString() : found->hangul;
}

// How much lower the lax member starts its vowel than the lower of the other two, in per
// cent; nullopt unless the row holds one lax, one aspirated and one tense syllable.
std::optional<double> laxPitchDrop(const RowFigures& row) {
  std::optional<double> lax;
  double others = 0;
  int aspirated = 0;
  int tense = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (row.onsetKinds[i] == Onset::Lax) lax = row.onsets[i].pitchHz;
    aspirated += row.onsetKinds[i] == Onset::Aspirated;
    tense += row.onsetKinds[i] == Onset::Tense;
    if (row.onsetKinds[i] != Onset::Lax) {
      others = others == 0 ? row.onsets[i].pitchHz : std::min(others, row.onsets[i].pitchHz);
    }
  }
  if (!lax || aspirated != 1 || tense != 1 || others == 0) return std::nullopt;
  return 100 * (1 - *lax / others);
}

}  // namespace

std::vector<RowFigures> measureConfusableRows(const ContentList& list, const QString& soundFolder) {
  std::vector<RowFigures> rows;
  for (const ConfusableRow& confusable : list.confusableRows) {
    RowFigures row;
    row.names = confusable.names;
    std::array<Pcm, 3> sounds;
    for (std::size_t i = 0; i < 3; ++i) {
      row.onsetKinds[i] = firstOnset(hangulOf(list, row.names[i]));
      const QString file = names::hardSound(row.names[i]);
      std::optional<Pcm> sound = readRecording(soundFolder + u'/' + file);
      if (!sound) {
        row.unreadable = file;
        break;
      }
      row.onsets[i] = measureOnset(*sound);
      sounds[i] = std::move(*sound);
    }
    if (row.unreadable.isEmpty()) {
      for (std::size_t p = 0; p < kRowPairs.size(); ++p) {
        row.distances[p] = spectralDistance(sounds[static_cast<std::size_t>(kRowPairs[p].first)],
                                            sounds[static_cast<std::size_t>(kRowPairs[p].second)]);
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<HissContrast> hissContrast(const std::vector<RowFigures>& rows) {
  const auto isStop = [](Onset onset) {
    return onset == Onset::Lax || onset == Onset::Aspirated || onset == Onset::Tense;
  };
  std::optional<double> plainTense;
  std::optional<double> closestStops;
  for (const RowFigures& row : rows) {
    if (!row.unreadable.isEmpty()) continue;
    for (std::size_t p = 0; p < kRowPairs.size(); ++p) {
      const Onset a = row.onsetKinds[static_cast<std::size_t>(kRowPairs[p].first)];
      const Onset b = row.onsetKinds[static_cast<std::size_t>(kRowPairs[p].second)];
      const double distance = row.distances[p];
      if (std::minmax(a, b) == std::minmax(Onset::PlainS, Onset::TenseS)) plainTense = distance;
      if (isStop(a) && isStop(b))
        closestStops = std::min(closestStops.value_or(distance), distance);
    }
  }
  if (!plainTense || !closestStops) return std::nullopt;
  return HissContrast{*plainTense, *closestStops};
}

QString formatRowFigures(const std::vector<RowFigures>& rows) {
  QString text = QStringLiteral(
      "hard-to-hear rows: vowel onset pitch (Hz), voiceless interval before the vowel (ms), "
      "spectral distance of the pairs 1-2 1-3 2-3\n");
  const auto number = [](double value) { return QStringLiteral("%1").arg(value, 6, 'f', 1); };
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const RowFigures& row = rows[r];
    QString line = QStringLiteral("%1 %2").arg(r + 1, 3).arg(
        QStringList(row.names.begin(), row.names.end()).join(u' '), -13);
    if (!row.unreadable.isEmpty()) {
      text +=
          line + QStringLiteral(" not measured: %1 is not 16-bit mono PCM\n").arg(row.unreadable);
      continue;
    }
    line += QStringLiteral("  pitch");
    for (const SyllableOnset& onset : row.onsets) line += number(onset.pitchHz);
    line += QStringLiteral("  voiceless");
    for (const SyllableOnset& onset : row.onsets) line += number(onset.voicelessMs);
    line += QStringLiteral("  distance");
    for (const double distance : row.distances) line += number(distance);
    if (const std::optional<double> drop = laxPitchDrop(row)) {
      line += QStringLiteral("  lax %1% lower").arg(*drop, 0, 'f', 0);
    }
    text += line + u'\n';
  }
  if (const auto contrast = hissContrast(rows)) {
    text += QStringLiteral("ㅅ against ㅆ: distance %1; the closest pair of stops: %2\n")
                .arg(contrast->plainTense, 0, 'f', 1)
                .arg(contrast->closestStops, 0, 'f', 1);
  }
  return text;
}

}  // namespace lumora::contentgen
