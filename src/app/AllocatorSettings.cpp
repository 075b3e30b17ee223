// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "app/AllocatorSettings.h"

#include <cstdlib> // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace AllocatorSettings {
void returnLargeBlocksOnFree() {
#if defined(__GLIBC__)
    // Small enough for a thumbnail row, well above the many small objects of the interface.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}
} // namespace AllocatorSettings
