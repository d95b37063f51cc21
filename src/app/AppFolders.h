#pragma once

#include <QString>

namespace lumora {

// The data folder `name` beside the program: the application folder, the platform's
// separator, the name and a closing separator. A root folder gives no doubled separator.
QString dataFolder(const QString& applicationFolder, const QString& name);

}  // namespace lumora
