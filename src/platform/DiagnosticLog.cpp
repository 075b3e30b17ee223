// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DiagnosticLog.h"

#include <QMutex>
#include <atomic>
#include <cstdio>
#include <cstring>

// Info and above: warnings and status lines on, debug traces off until the rules say so.
Q_LOGGING_CATEGORY(lcNetwork, "zirel.network", QtInfoMsg)
Q_LOGGING_CATEGORY(lcAccount, "zirel.account", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFeed, "zirel.feed", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLikes, "zirel.likes", QtInfoMsg)
Q_LOGGING_CATEGORY(lcChats, "zirel.chats", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDetails, "zirel.details", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMedia, "zirel.media", QtInfoMsg)
Q_LOGGING_CATEGORY(lcModules, "zirel.modules", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPush, "zirel.push", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLocation, "zirel.location", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStorage, "zirel.storage", QtInfoMsg)
Q_LOGGING_CATEGORY(lcScreens, "zirel.screens", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "zirel.app", QtInfoMsg)

namespace {
QtMessageHandler g_others = nullptr;
std::atomic<bool> g_passOnWarnings = false;

void handle(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    const bool clients = DiagnosticLog::isClients(context);
    if (clients)
        DiagnosticLog::line(message);
    const bool warning = type != QtDebugMsg && type != QtInfoMsg;
    if (g_others && (!clients || (warning && g_passOnWarnings)))
        g_others(type, context, message);
}
} // namespace

namespace DiagnosticLog {

QtMessageHandler install(Warnings warnings) {
    g_passOnWarnings = warnings == Warnings::AlsoPassOn;
    const QtMessageHandler before = qInstallMessageHandler(handle);
    if (before != handle)
        g_others = before;
    return before;
}

bool isClients(const QMessageLogContext &context) {
    return context.category && std::strncmp(context.category, "zirel.", 6) == 0;
}

void line(const QString &text) {
    // Lines come from the main thread and the network worker alike; whole lines only.
    static QMutex mutex;
    const QByteArray bytes = text.toUtf8() + '\n';
    QMutexLocker lock(&mutex);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace DiagnosticLog
