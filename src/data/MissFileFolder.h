#pragma once

#include <QString>

namespace lumora {

// The folder that holds the learner's MemorizeFile.csv: the sound folder where it can be
// written (a build folder, a folder the learner unpacked), otherwise the learner's own
// application data folder, created as needed (an installed package, whose folders are
// read-only). Both end in a separator, as the sound folder does.
QString missFileFolder(const QString& soundDir);

}  // namespace lumora
