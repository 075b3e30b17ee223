#pragma once

#include <QObject>

struct ServiceContext;

// Makes demo people behave a little like people: some like a newcomer soon after sign-in,
// they like back with a set probability and they answer messages after a short pause.
class DemoCrowd : public QObject {
    Q_OBJECT
public:
    explicit DemoCrowd(ServiceContext &ctx, QObject *parent = nullptr);

    void onSignIn(const QString &userId, bool newAccount);
    void onSwipe(const QString &from, const QString &to, const QString &kind,
                 const QString &status);
    void onMessage(const QString &chatId, const QString &senderId);

private:
    [[nodiscard]] bool isDemo(const QString &userId);
    // Runs a database action later; failures are logged, never thrown into the event loop.
    void later(int ms, std::function<void()> action);

    ServiceContext &m_ctx;
};
