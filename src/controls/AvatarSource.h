// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/RetrySchedule.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The address an avatar's image loads from the image cache. A photo that did not come (offline,
// the service busy) is asked for again, after the first delay and then twice as long each time,
// up to a minute; the cache answers from memory or disk once it has it.
class AvatarSource : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString source READ source WRITE setSource NOTIFY urlChanged)
    Q_PROPERTY(int retryDelay READ retryDelay WRITE setRetryDelay NOTIFY retryDelayChanged)
    Q_PROPERTY(QUrl url READ url NOTIFY urlChanged)

public:
    explicit AvatarSource(QObject *parent = nullptr);

    /// The photo's address on the service; empty for none.
    [[nodiscard]] QString source() const { return m_source; }
    void setSource(const QString &source);
    /// Milliseconds before the first new attempt.
    [[nodiscard]] int retryDelay() const { return int(m_firstDelay.count()); }
    void setRetryDelay(int ms);
    /// What the image loads: the photo through the image cache, or nothing.
    [[nodiscard]] QUrl url() const;

    /// The image could not be loaded: it is asked for again later.
    Q_INVOKABLE void failed();

Q_SIGNALS:
    void urlChanged();
    void retryDelayChanged();

private:
    void reload();

    QString m_source;
    RetrySchedule::Delay m_firstDelay{5000};
    RetrySchedule m_retry;
    bool m_reloading = false;
};
