// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>
#include <QString>

// The language the client's texts appear in. They are written in Russian; a translation is
// used when the desktop asks for its language, and the Russian texts stay otherwise. Russian
// still comes with a catalogue of its own: the source text of a count holds a single form, and
// the catalogue gives the others.
class AppLanguage {
public:
    /// Installs the catalogue for the first of the locale's UI languages that has one (Russian
    /// when none has), with Qt's own texts in the same language, replacing what an earlier
    /// call installed. Returns the chosen language's code ("en", "ru").
    static QString install(const QLocale &locale = QLocale());
};
