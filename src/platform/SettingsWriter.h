// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSettings>
#include <QThreadPool>

// Writes values into a settings file on a thread of its own, in the order they were given.
// Storing a value ends with the file flushed to disk, which can take a disk's whole queue of
// pending writes: hundreds of milliseconds on the main thread, where it would stop drawing.
class SettingsWriter {
public:
    /// Writes into the same file, in the same format, as `target`.
    explicit SettingsWriter(const QSettings &target);
    /// Waits for every value given so far.
    ~SettingsWriter();
    SettingsWriter(const SettingsWriter &) = delete;
    SettingsWriter &operator=(const SettingsWriter &) = delete;

    void write(const QString &key, const QVariant &value);
    /// Sets the value unless `file` already holds it, and says whether it did. An unchanged
    /// value leaves the file alone: no lock, no new file, no flush to disk.
    static bool setIfChanged(QSettings &file, const QString &key, const QVariant &value);
    /// Returns once every value given so far is in the file.
    void flush();

private:
    QString m_fileName;
    QSettings::Format m_format;
    QThreadPool m_thread;
};
