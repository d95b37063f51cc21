#pragma once

#include <QString>
#include <optional>

#include "data/FileFault.h"

// A copy of Lumora a teacher can record into, for an installed Lumora whose folders belong
// to the package and cannot be written.
namespace lumora::studio {

// Whether recordings can be written into the sound folder of the application folder.
bool soundFolderWritable(const QString& appFolder);

// Copies the program, its data check and both data folders of `from` into the folder `to`,
// created as needed; what is there already is kept. A copy that fails is taken away again.
// The copy runs from wherever it lies, as the program finds its folders beside itself.
std::optional<FileFault> copyLumora(const QString& from, const QString& to);

}  // namespace lumora::studio
