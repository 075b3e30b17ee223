// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLoggingCategory>
#include <QString>

// The client's diagnostics, one category per area of the client. Warnings and the status
// lines a user or a support person reads are on by default; the chatty traces are debug
// messages, on only when asked for, e.g. QT_LOGGING_RULES="zirel.feed.debug=true" (or
// "zirel.*.debug=true"), and "zirel.feed.info=false" quietens an area.
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)
Q_DECLARE_LOGGING_CATEGORY(lcAccount)
Q_DECLARE_LOGGING_CATEGORY(lcFeed)
Q_DECLARE_LOGGING_CATEGORY(lcLikes)
Q_DECLARE_LOGGING_CATEGORY(lcChats)
Q_DECLARE_LOGGING_CATEGORY(lcDetails)
Q_DECLARE_LOGGING_CATEGORY(lcMedia)
Q_DECLARE_LOGGING_CATEGORY(lcModules)
Q_DECLARE_LOGGING_CATEGORY(lcPush)
Q_DECLARE_LOGGING_CATEGORY(lcLocation)
Q_DECLARE_LOGGING_CATEGORY(lcStorage)
Q_DECLARE_LOGGING_CATEGORY(lcScreens)
Q_DECLARE_LOGGING_CATEGORY(lcApp)

// The client's messages reach standard output as plain text, one line each, with no levels:
// that is the log people have always read and pasted into reports. Messages of Qt and of
// other libraries keep Qt's own handling.
namespace DiagnosticLog {
/// Whether the client's warnings also reach the handler installed before (a test's, which
/// fails tests on the warnings they watch for).
enum class Warnings { StayHere, AlsoPassOn };
/// Routes the client's categories to standard output; other messages go to the handler that
/// was installed before. Returns the handler it replaced.
QtMessageHandler install(Warnings warnings = Warnings::StayHere);
/// Whether the message comes from one of the client's categories.
[[nodiscard]] bool isClients(const QMessageLogContext &context);
/// Writes one whole line to standard output.
void line(const QString &text);
} // namespace DiagnosticLog
