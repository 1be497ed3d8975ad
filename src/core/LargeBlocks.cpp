#include "core/LargeBlocks.h"

#include <cstdlib> // defines __GLIBC__ on glibc
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
// Above the PDF writer's buffers (10 MB each, with what reading and growing them adds).
constexpr int kMapThreshold = 32 * 1024 * 1024;
constexpr int kTrimThreshold = 64 * 1024 * 1024;
} // namespace

void KeepLargeBlocksForReuse() {
#if defined(__GLIBC__)
    static const bool set = [] {
        return mallopt(M_MMAP_THRESHOLD, kMapThreshold) == 1
               && mallopt(M_TRIM_THRESHOLD, kTrimThreshold) == 1;
    }();
    (void)set;
#endif
}
