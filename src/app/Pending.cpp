#include "app/Form1.h"

// Handlers not yet written. Each one moves to its subsystem's folder when it is built;
// delete its line here in the same change.
namespace lumora {
}  // namespace lumora
