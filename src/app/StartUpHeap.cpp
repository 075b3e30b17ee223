#include "StartUpHeap.h"

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {
#if defined(__GLIBC__)
constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
// The allocator's own defaults, which begin() changes for a while.
constexpr int kDefaultTopPad = 128 * 1024;
constexpr int kDefaultTrimThreshold = 128 * 1024;

// The heap's part that begin() set aside, in whole large pages.
std::uintptr_t regionStart = 0;
std::uintptr_t regionEnd = 0;
#endif
} // namespace

void StartUpHeap::begin() {
#if defined(__GLIBC__)
    if (regionEnd != 0)
        return;
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // The heap grows by the pad on its next growth; freed blocks on top must not shrink it
    // back while start-up runs, or the next growth would be in small pages again.
    mallopt(M_TRIM_THRESHOLD, 2 * kMegabytes << 20);
    mallopt(M_TOP_PAD, kMegabytes << 20);
    // Blocks below the separate-mapping threshold, taken until the heap has grown once.
    constexpr int kMaxBlocks = 32;
    void *blocks[kMaxBlocks];
    int taken = 0;
    while (taken < kMaxBlocks && reinterpret_cast<std::uintptr_t>(sbrk(0)) == before)
        blocks[taken++] = std::malloc(64 * 1024);
    while (taken > 0)
        std::free(blocks[--taken]);
    mallopt(M_TOP_PAD, kDefaultTopPad);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t start = (before + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = after & ~(kLargePage - 1);
    // Where the heap could not grow, or large pages are not built into the kernel, start-up
    // simply runs on small pages.
    if (end > start && madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE) == 0) {
        regionStart = start;
        regionEnd = end;
    }
#endif
}

void StartUpHeap::end() {
#if defined(__GLIBC__)
    if (regionEnd != 0) {
        // Pages already large stay so; the kernel no longer gathers small ones into new ones.
        madvise(reinterpret_cast<void *>(regionStart), regionEnd - regionStart, MADV_NOHUGEPAGE);
        regionStart = regionEnd = 0;
    }
    mallopt(M_TRIM_THRESHOLD, kDefaultTrimThreshold);
#endif
}
