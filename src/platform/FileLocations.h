// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Where the client keeps its files: under the organisation's folder in each of the desktop's
// places (settings, data, cache). Versions before the organisation was named kept them under
// Qt's fallbacks ("Unknown Organization" for the settings, the bare application folder for
// data and cache); an update moves what it finds there, so nobody loses their sign-in, saved
// conversations or photos.
class FileLocations {
public:
    /// The desktop's own places, as QStandardPaths' generic locations name them.
    struct Places {
        QString config;
        QString data;
        QString cache;
    };

    /// Names the process's organisation and application, then moves files left in the old
    /// places. Call before anything opens a file.
    static void settle(const QString &name);

    /// The move alone, for the places given; what already exists in a new place is kept.
    static void moveOldFiles(const Places &places, const QString &organisation,
                             const QString &application);
};
