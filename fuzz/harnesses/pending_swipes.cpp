// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "RoundTrip.h"
#include "feed/PendingSwipesFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RoundTrip::checkStored(data, size, PendingSwipesFormat::decode, PendingSwipesFormat::encode);
    return 0;
}
