// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TestServices.h"

Services TestServices::services() const {
    if (!m_owned)
        m_owned = std::make_unique<OwnedServices>();
    return m_owned->services();
}
