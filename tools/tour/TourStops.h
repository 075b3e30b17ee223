#pragma once

#include <QString>
#include <functional>

class ViewController;

// One screen of the tour: its file name and how to build it (with whatever it presents).
struct TourStop {
    QString name;
    std::function<ViewController *()> build;
};

[[nodiscard]] QList<TourStop> tourStops();
