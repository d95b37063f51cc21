#pragma once

namespace lumora {

// Keeps the resident memory of a long session near its figure after start-up: Qt's cache
// of drawn pixmaps is kept small, and large blocks go back to the system when freed.
void boundLongRunMemory();

}  // namespace lumora
