// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/InfoItem.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QUuid>
#include <optional>

// The record one profile card shows; the profile details screen takes the same record.
struct CardModel {
    QUuid id = QUuid::createUuid(); // fresh for every model built
    QString userID;
    QList<QImage> images;                 // photos already in memory (none for feed cards)
    std::optional<QStringList> photoURLs; // photos to download
    QList<InfoItem> info;                 // one line per photo, in display order
    QString name;
    QString age;
    bool hasCheckmark = false;
};
