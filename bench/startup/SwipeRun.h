// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <optional>

class MainVC;

// The client inside this process, signed in to the reviewers' account of a running service:
// it waits for the feed's cards and then likes and passes in turn with the feed's buttons,
// noting the resident memory on the way.
class SwipeRun {
public:
    struct Figures {
        qint64 residentAtCardsKiB = 0;
        qint64 residentAfterKiB = 0;
        /// After the allocator handed its free pages back: what is still in use.
        qint64 residentTrimmedKiB = 0;
        /// VmRSS before every `step`-th swipe, the first at the first cards.
        QList<qint64> residentEveryStepKiB;
        int step = 0;
        int swipes = 0;
        double swipesMs = 0;
    };

    explicit SwipeRun(QString baseUrl);

    /// Runs the client to its first cards and swipes `swipes` times; nothing on failure (see
    /// error()).
    [[nodiscard]] std::optional<Figures> run(int swipes, int step);
    [[nodiscard]] QString error() const { return m_error; }

private:
    [[nodiscard]] bool swipeOnce(MainVC &feed, bool like);

    QString m_baseUrl;
    QTemporaryDir m_dir;
    QString m_error;
};
