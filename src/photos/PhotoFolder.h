// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QUrl>

class QSettings;

// Where the file dialog for a new photo opens. Like any desktop file dialog it comes back to the
// folder the last picture was picked from, so a profile's six photos from one trip folder are not
// six walks to it; the first time it is the pictures folder. A folder that is not there (many
// homes have no ~/Pictures) would leave the dialog in whatever directory the client was started
// from, so the home folder stands in for it.
namespace PhotoFolder {

/// The first of the three that is an existing folder; `home` when neither of the others is.
[[nodiscard]] QString opening(const QString &lastUsed, const QString &pictures,
                              const QString &home);
/// The folder the dialog opens in, from what `defaults` remembers and the user's folders.
[[nodiscard]] QUrl forDialog(const QSettings &defaults);
/// Remembers the folder of a picture picked from a local file for the next dialog.
void remember(QSettings &defaults, const QUrl &pickedFile);

} // namespace PhotoFolder
