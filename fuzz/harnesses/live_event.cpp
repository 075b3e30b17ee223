// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "RoundTrip.h"
#include "api/LiveEvent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RoundTrip::checkStored(
        data, size, [](const QByteArray &frame) { return LiveEvent::fromFrame(frame); },
        [](const LiveEvent &event) { return RoundTrip::document(event.toJson()); });
    return 0;
}
