// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/User.h"
#include "RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RoundTrip::checkAnswer<User>(data, size);
    return 0;
}
