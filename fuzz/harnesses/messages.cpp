// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "RoundTrip.h"
#include "api/Message.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RoundTrip::checkAnswer<QList<Message>>(data, size);
    return 0;
}
