// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QTimer>

#include <chrono>

class Database;

// Carries live events to the channels of the people they concern, in every process serving the
// database: through PostgreSQL's notifications, or within the process on SQLite, which only one
// process serves at a time. An event goes out once the transaction that made it has committed,
// so whoever hears it and asks finds what it names. Events name things by identifier only: the
// calls stay the source of truth.
class EventBus : public QObject {
    Q_OBJECT
public:
    explicit EventBus(Database &db, QObject *parent = nullptr);
    ~EventBus() override;

    // From any thread: `event` to every open channel of the recipients.
    void publish(const QStringList &recipients, const QJsonObject &event);
    // From any thread: the recipients' channels close (the account was deleted or banned).
    void close(const QStringList &recipients);
    // Starts hearing other processes' events; only PostgreSQL needs it. False with *error
    // when the listening connection cannot be made. The connection is checked every
    // `checkEvery` and made again when it has gone.
    [[nodiscard]] bool listen(QString *error,
                              std::chrono::milliseconds checkEvery = std::chrono::seconds(30));

    // What a payload from the database carries; exposed for the decoder's tests.
    struct Payload {
        bool closes = false;
        QStringList recipients;
        QByteArray frame;
    };
    [[nodiscard]] static QByteArray encode(const Payload &payload);
    // False for anything this process did not write.
    [[nodiscard]] static bool decode(const QByteArray &text, Payload *payload);

signals:
    // On the thread the bus lives on.
    void arrived(const QStringList &recipients, const QByteArray &frame);
    void closing(const QStringList &recipients);

private:
    void post(const Payload &payload);
    void receive(const QByteArray &text);
    [[nodiscard]] bool openListener(QString *error);
    void closeListener();
    // Makes the listening connection again when the database no longer answers on it.
    void checkListener();

    Database &m_db;
    QString m_listenerName;
    QSqlDatabase m_listener;
    QTimer m_listenerCheck;
};
