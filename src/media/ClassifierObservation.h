// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// One class an image classifier saw, with its probability between 0 and 1.
struct ClassifierObservation {
    QString label;
    float confidence = 0;
};
