// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

// The buttons a profile's details can offer below the profile.
enum class ButtonType { block, complain };

// One row of a profile's details: the photos, the about text, the main information, a spacer
// or one of the buttons.
struct Setting {
    enum Kind { photoGrid, aboutMe, mainInfo, empty, button };

    Kind kind = empty;
    ButtonType type = ButtonType::block; // buttons only

    /// The name the drawing picks the row's view by: the kind, or the button's type.
    [[nodiscard]] QString viewName() const;

    friend bool operator==(const Setting &, const Setting &) = default;

    /// The rows of a profile whose about text is present or not, for an opener that hands
    /// the buttons back (`isMain`) or one that only offers the report row.
    [[nodiscard]] static QList<Setting> rows(bool hasAboutMe, bool isMain, bool reportRow);
};
