#include "app/ProcessMemory.h"

#include <QPixmapCache>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace lumora {
namespace {

// Qt keeps up to 10 MiB of drawn pixmaps, which over a long run fills with pictures of the
// hard-to-hear syllables that are read again in a millisecond. The style's own fit in less.
constexpr int kPixmapCacheKiB = 1024;

// Blocks this large (decoded sounds, pictures, file contents) get pages of their own, which
// go back to the system when freed. Left to itself, glibc raises this bound once the first
// such block is freed, and their pages then stay in the heap between smaller blocks.
constexpr int kOwnPagesBytes = 64 * 1024;

}  // namespace

void boundLongRunMemory() {
  QPixmapCache::setCacheLimit(kPixmapCacheKiB);
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, kOwnPagesBytes);
#endif
}

}  // namespace lumora
