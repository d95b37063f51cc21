#include "data/SoundTableLayout.h"

#include <algorithm>

#include "data/Numbers.h"
#include "data/RecordingNames.h"

namespace lumora {

int hardSoundRowsInUse(const TextTable& hardSoundTable) {
  return std::clamp<int>(wholeNumber(hardSoundTable(0, 0)), 0, hardSoundTable.rowCount() - 1);
}

bool isHalfHourNamePart(QStringView namePart) {
  return namePart.size() >= 3 && namePart[2] == kHalfHourMark;
}

bool isHalfHourMinute(QStringView minuteFile) {
  // names::minute puts the one character 「分」 before the name part.
  return isHalfHourNamePart(minuteFile.mid(1));
}

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
