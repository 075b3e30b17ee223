// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QTimer>

struct ServiceContext;

// Makes demo people behave a little like people: some like a newcomer soon after registering,
// they like back with a set probability and they answer messages after a short pause. What
// they are to do is written to the database with its time, and every process serving the
// database does what has come due, so nothing is lost when the process that took the request
// stops, and several processes share the work.
class DemoCrowd : public QObject {
    Q_OBJECT
public:
    explicit DemoCrowd(ServiceContext &ctx, QObject *parent = nullptr);

    void onRegistered(const QString &userId);
    void onSwipe(const QString &from, const QString &to, const QString &kind,
                 const QString &status);
    void onMessage(const QString &chatId, const QString &senderId);

private:
    [[nodiscard]] bool isDemo(const QString &userId);
    // Writes down an action for later; `kind` is what runAction() knows how to do.
    void later(int ms, const QString &kind, const QString &actor, const QString &target,
               const QString &content = {});
    // Claims and runs the actions that have come due; failures are logged, never thrown.
    void runDue();
    void runAction(const QString &kind, const QString &actor, const QString &target,
                   const QString &content);

    ServiceContext &m_ctx;
    QTimer m_poll;
};
