#pragma once

#include <QString>

namespace lumora::studio {

// The application folder to record into: `appFolder` when its sound folder can be written.
// An installed Lumora belongs to its package, so the teacher is told and offered a copy of it
// in a folder of their own, ~/Lumora or one they choose, which runs as it is and can be
// handed to learners; a copy made earlier there is used as it is. Empty when the teacher
// gives up.
QString writableAppFolder(const QString& appFolder);

}  // namespace lumora::studio
