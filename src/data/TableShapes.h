#pragma once

#include "data/TextTable.h"

namespace lumora {

// The fixed sizes of the three text tables, rows counted from row 0.
struct TableShape {
  int rows;
  int columns;

  TextTable emptyTable() const { return TextTable(rows, columns); }
};

inline constexpr TableShape kHardSoundShape{51, 6};
inline constexpr TableShape kSplitSoundShape{17, 4};
inline constexpr TableShape kMissListShape{10001, 6};  // the count row and 10000 entries

}  // namespace lumora
