// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// Photo buffers of a megabyte or more come and go with every card. glibc raises its threshold for
// giving such blocks their own mapping each time one is freed, after which the next ones come
// from the heap and their pages stay with the process: a hundred swipes left tens of megabytes
// behind. A fixed threshold keeps every large buffer in its own mapping, handed back when freed.
namespace AllocatorSettings {
void returnLargeBlocksOnFree();
}
