// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QQmlIncubator>
#include <functional>

// Builds a card's drawing a slice at a time in the time the window leaves between frames, so
// dealing a card behind the top one does not hold up the frame of a throw.
class CardContentIncubator : public QQmlIncubator {
public:
    /// Called once: with the made object (owned by the caller from then on), or with none and
    /// the reason.
    using Finished = std::function<void(QObject *made, const QString &error)>;

    explicit CardContentIncubator(Finished finished);

protected:
    void statusChanged(Status status) override;

private:
    Finished m_finished;
};
