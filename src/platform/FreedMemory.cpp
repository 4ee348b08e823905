#include "platform/FreedMemory.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tw {

void KeepFreedMemory() {
#if defined(__GLIBC__)
    // Blocks up to 32 MB come from the heap, which keeps up to 128 MB of freed space.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
}

}  // namespace tw
