// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "RoundTrip.h"
#include "store/SavedMatchesFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RoundTrip::checkStored(
        data, size,
        [](const QByteArray &stored) { return SavedMatchesFormat::decode(stored, nullptr); },
        [](const QList<Match> &matches) {
            return SavedMatchesFormat::encode(matches, nullptr).value();
        });
    return 0;
}
