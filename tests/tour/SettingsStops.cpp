// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TourStops.h"
#include "settings/GenderSelectionVC.h"
#include "settings/SettingsVC.h"
#include "ui/NavigationContainer.h"
#include "ui/Services.h"

namespace {
using Kind = RowModel::Kind;

// The settings as their callers show them: a sheet, here over an empty screen.
ViewController *sheet(ViewController *settings) {
    auto *base = new ViewController(QStringLiteral("MainVC"), settings->services());
    base->present(new NavigationContainer(settings), PresentationStyle::PageSheet, false);
    return base;
}

int rowOf(const SettingsVC &settings, Kind kind) {
    for (int row = 0; row < settings.settings().size(); ++row)
        if (settings.settings().at(row).kind == kind)
            return row;
    return -1;
}
} // namespace

QList<TourStop> settingsStops() {
    return {
        {QStringLiteral("settings-filters"),
         [](const Services &services) { return sheet(new SettingsVC(false, services)); }},
        {QStringLiteral("settings-main"),
         [](const Services &services) {
             return new NavigationContainer(new SettingsVC(true, services));
         }},
        {QStringLiteral("settings-show-me"),
         [](const Services &services) {
             auto *settings = new SettingsVC(false, services);
             auto *navigation = new NavigationContainer(settings);
             navigation->push(new GenderSelectionVC(GenderSelection::all,
                                                    GenderSelectionVC::FromSettings, {}, services),
                              false);
             return navigation;
         }},
        {QStringLiteral("settings-sliders-moved"),
         [](const Services &services) {
             auto *settings = new SettingsVC(false, services);
             const int distance = rowOf(*settings, Kind::Slider);
             const int range = rowOf(*settings, Kind::RangeSlider);
             settings->sliderValueChanged(distance, 150);
             settings->switcherValueChanged(distance, false);
             settings->rangeSliderValueChanged(range, 22, 31);
             settings->switcherValueChanged(range, false);
             settings->switcherValueChanged(rowOf(*settings, Kind::Toggle), false);
             return new NavigationContainer(settings);
         }},
    };
}
