// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "RoundTrip.h"
#include "api/VersionCheckResponse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RoundTrip::checkAnswer<VersionCheckResponse>(data, size);
    return 0;
}
