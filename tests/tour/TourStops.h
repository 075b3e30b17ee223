// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>
#include <functional>

class Services;
class ViewController;

// One screen of the tour: its file name and how to build it (with whatever it presents) on the
// tour's services.
struct TourStop {
    QString name;
    std::function<ViewController *(const Services &)> build;
};

// Every stop, in the order the tour shoots them; each area of the client keeps its own list.
[[nodiscard]] QList<TourStop> tourStops();
[[nodiscard]] QList<TourStop> chatStops();
[[nodiscard]] QList<TourStop> cardStops();
[[nodiscard]] QList<TourStop> feedStops();
[[nodiscard]] QList<TourStop> onboardingStops();
[[nodiscard]] QList<TourStop> detailsStops();
[[nodiscard]] QList<TourStop> settingsStops();
[[nodiscard]] QList<TourStop> profileStops();

// The location is fixed and, unless a screen is to ask for it, already allowed; nobody is asked
// about notifications. Tab bars ask both questions as they appear, which would cover the shot.
void settlePermissions(const Services &services, bool asksForLocation = false);

// A photo-like picture: a warm gradient with a light disc, as a face in a portrait.
[[nodiscard]] QImage portrait(QSize size);
