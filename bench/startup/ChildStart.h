// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/FirstFrameProbe.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

// Starts a program that reports its first frame (FirstFrameProbe) and times it as a user would
// see it: from the moment it is spawned until the report arrives.
class ChildStart {
public:
    struct Figures {
        double wallMs = 0;
        FirstFrameProbe::Report report;
    };

    ChildStart(QString program, QStringList arguments, QProcessEnvironment environment);

    /// One start; nothing when the program ended or timed out without a report (see error()).
    [[nodiscard]] std::optional<Figures> run(int timeoutMs = 60000);
    [[nodiscard]] QString error() const { return m_error; }
    /// The report in a line of the program's output, as FirstFrameProbe::line() writes it;
    /// nothing for any other line.
    [[nodiscard]] static std::optional<FirstFrameProbe::Report> report(const QString &line);

private:
    QString m_program;
    QStringList m_arguments;
    QProcessEnvironment m_environment;
    QString m_error;
};
