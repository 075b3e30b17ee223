// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/ProfileView.h"
#include "ui/CardModel.h"

// A profile record of the service as the card every screen shows: a fresh identity, the
// photos to download, and the information lines in their fixed order (about, distance,
// position, education, city). The distance is always there; empty texts are left out, so no
// line or row shows a symbol with nothing beside it.
class ProfileCardModel {
public:
    /// How the distance reads: the feed says "from you", the likes and a match only the
    /// kilometres.
    enum class Distance { FromYou, Plain };

    [[nodiscard]] static CardModel make(const ProfileView &profile, Distance distance);
};
