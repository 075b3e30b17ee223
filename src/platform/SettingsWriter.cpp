// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/SettingsWriter.h"

#include "platform/DiagnosticLog.h"

SettingsWriter::SettingsWriter(const QSettings &target)
    : m_fileName(target.fileName())
    , m_format(target.format()) {
    // One thread keeps the writes in order; it stays, so a burst of saves does not start one
    // thread after another.
    m_thread.setMaxThreadCount(1);
    m_thread.setExpiryTimeout(-1);
}

SettingsWriter::~SettingsWriter() {
    flush();
}

void SettingsWriter::write(const QString &key, const QVariant &value) {
    m_thread.start([fileName = m_fileName, format = m_format, key, value] {
        // Settings objects on one file share what they read, so the owner's object sees the
        // value once this one has written it.
        QSettings file(fileName, format);
        // Every start stores the same own record again.
        if (!setIfChanged(file, key, value))
            return;
        file.sync();
        // The value still holds for this run; only the next start misses it.
        if (file.status() != QSettings::NoError)
            qCWarning(lcStorage).noquote()
                << QStringLiteral("Settings not written to %1: %2")
                       .arg(fileName, file.status() == QSettings::AccessError
                                          ? QStringLiteral("cannot write the file")
                                          : QStringLiteral("the file is damaged"));
    });
}

bool SettingsWriter::setIfChanged(QSettings &file, const QString &key, const QVariant &value) {
    if (file.value(key) == value)
        return false;
    file.setValue(key, value);
    return true;
}

void SettingsWriter::flush() {
    m_thread.waitForDone();
}
