#pragma once

#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "ContentList.h"
#include "Pronunciation.h"
#include "SyllableAcoustics.h"

namespace lumora::contentgen {

// The figures that tell whether the three recordings of a hard-to-hear row can be told
// apart by ear.
struct RowFigures {
  std::array<QString, 3> names;
  std::array<Onset, 3> onsetKinds{};  // how each syllable starts
  std::array<SyllableOnset, 3> onsets{};
  std::array<double, 3> distances{};  // spectral distance of each pair of kRowPairs
  QString unreadable;                 // a recording that is not 16-bit mono PCM; no figures then
};

inline constexpr std::array<std::pair<int, int>, 3> kRowPairs{{{0, 1}, {0, 2}, {1, 2}}};

// Measures every confusable row on the recordings in the sound folder.
std::vector<RowFigures> measureConfusableRows(const ContentList& list, const QString& soundFolder);

// How far ㅅ and ㅆ lie apart in the rows against the closest pair of stops (lax, aspirated,
// tense) of any row: the hiss pair should be no closer than that.
struct HissContrast {
  double plainTense = 0;
  double closestStops = 0;
};
std::optional<HissContrast> hissContrast(const std::vector<RowFigures>& rows);

// The figures as a table, a line a row, for the build's output, and the hiss contrast.
QString formatRowFigures(const std::vector<RowFigures>& rows);

}  // namespace lumora::contentgen
