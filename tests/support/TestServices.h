// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/OwnedServices.h"

#include <memory>

// A test's own set of the client's services. It is made on first use, so a test that settles
// its throw-away home and settings first gets services that keep everything there. Its screen
// factory opens a stand-in for every screen the test does not install itself.
class TestServices {
public:
    /// The set, to hand to a screen or to copy and replace parts of with doubles.
    [[nodiscard]] Services services() const;

private:
    mutable std::unique_ptr<OwnedServices> m_owned;
};
