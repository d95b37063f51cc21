#pragma once

#include <QStringList>

namespace lumora {

// One record as the data files store it: every field in double quotes, separated by
// commas, ended by CR LF.
QString formatRecord(const QStringList& fields);

}  // namespace lumora
