// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPointer>

class SwipeCard;

// A visible card of a stack: the data-source index it shows and its view.
struct Card {
    qint64 index = 0;
    QPointer<SwipeCard> card;
};
