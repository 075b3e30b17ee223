// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "RoundTrip.h"
#include "store/UnsentMessagesFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RoundTrip::checkStored(data, size, UnsentMessagesFormat::decode, UnsentMessagesFormat::encode);
    return 0;
}
