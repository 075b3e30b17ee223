// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/GenderSelection.h"

#include <QString>

// One row of the settings screen and the values its cell shows and edits.
struct SettingsRow {
    enum class Kind {
        Label,        // a caption: text
        Slider,       // the distance: value, isOn
        Gender,       // whom to be shown to: gender
        DoubleSlider, // the age range: lower, upper, minimum, maximum, isOn
        Toggle,       // taking part in discovery: isOn
        HintLabel,    // an explanation: text
        Navigation,   // a link: text
        Button,       // an action: text
        Empty,
        Version,
    };

    Kind kind = Kind::Empty;
    QString text;
    int value = 0;
    bool isOn = false;
    GenderSelection gender = GenderSelection::all;
    int lower = 0;
    int upper = 0;
    int minimum = 0;
    int maximum = 0;

    [[nodiscard]] static SettingsRow label(QString text) { return {Kind::Label, std::move(text)}; }
    [[nodiscard]] static SettingsRow slider(int value, bool isOn) {
        return {Kind::Slider, {}, value, isOn};
    }
    [[nodiscard]] static SettingsRow genderRow(GenderSelection gender) {
        return {Kind::Gender, {}, 0, false, gender};
    }
    [[nodiscard]] static SettingsRow doubleSlider(int lower, int upper, int minimum, int maximum,
                                                  bool isOn) {
        return {
            Kind::DoubleSlider, {}, 0, isOn, GenderSelection::all, lower, upper, minimum, maximum};
    }
    [[nodiscard]] static SettingsRow toggle(bool isOn) { return {Kind::Toggle, {}, 0, isOn}; }
    [[nodiscard]] static SettingsRow hintLabel(QString text) {
        return {Kind::HintLabel, std::move(text)};
    }
    [[nodiscard]] static SettingsRow navigation(QString title) {
        return {Kind::Navigation, std::move(title)};
    }
    [[nodiscard]] static SettingsRow button(QString title) {
        return {Kind::Button, std::move(title)};
    }
    [[nodiscard]] static SettingsRow version(QString text) {
        return {Kind::Version, std::move(text)};
    }

    friend bool operator==(const SettingsRow &, const SettingsRow &) = default;
};
