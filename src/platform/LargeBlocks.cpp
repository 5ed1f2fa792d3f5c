#include "platform/LargeBlocks.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

void returnLargeBlocksToTheSystem() {
#if defined(M_MMAP_THRESHOLD)
    // The library's own starting value; setting it switches the raising off.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
