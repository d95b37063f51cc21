#include "data/SoundTableLayout.h"

#include "data/RecordingNames.h"

namespace lumora {

std::optional<QString> hardSoundRecording(const TextTable& hardSoundTable, int row, int button) {
  if (row < 0 || row >= hardSoundTable.rowCount() || button < 0 || button > 2) {
    return std::nullopt;
  }
  return names::hardSound(hardSoundTable(row, kFirstSyllableColumn + button));
}

std::array<QString, 3> hardSoundPictures(const TextTable& hardSoundTable, int row) {
  return {names::picture(hardSoundTable(row, kFirstSyllableColumn)),
          names::picture(hardSoundTable(row, kFirstSyllableColumn + 1)),
          names::picture(hardSoundTable(row, kFirstSyllableColumn + 2))};
}

}  // namespace lumora
