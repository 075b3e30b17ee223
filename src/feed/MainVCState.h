// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// What the feed shows; the raw values are stable.
class MainVCState : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("enumeration only")
public:
    enum State {
        Loading = 0,         // searching: own photo with the halo
        NoCards = 1,         // nothing to show: own photo, halo and the no-cards text
        DisplayingCards = 2, // card stack and buttons
        NoGeo = 3,           // the user has no stored location
        Hide = 4,            // the user's profile is hidden from discovery
    };
    Q_ENUM(State)
};
