// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EventBus.h"

#include "Database.h"

#include <QJsonDocument>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTextStream>
#include <QUuid>

namespace {

const QString kChannel = QStringLiteral("zirel_events");
// PostgreSQL refuses payloads of 8000 bytes and more; ours are a few hundred.
constexpr qsizetype kMostPayloadBytes = 7900;

} // namespace

EventBus::EventBus(Database &db, QObject *parent)
    : QObject(parent)
    , m_db(db) {}

EventBus::~EventBus() {
    closeListener();
}

void EventBus::publish(const QStringList &recipients, const QJsonObject &event) {
    post({false, recipients, QJsonDocument(event).toJson(QJsonDocument::Compact)});
}

void EventBus::close(const QStringList &recipients) {
    post({true, recipients, {}});
}

QByteArray EventBus::encode(const Payload &payload) {
    return (payload.closes ? QByteArrayLiteral("close\n") : QByteArrayLiteral("send\n")) +
           payload.recipients.join(QLatin1Char(' ')).toLatin1() + '\n' + payload.frame;
}

bool EventBus::decode(const QByteArray &text, Payload *payload) {
    const qsizetype kindEnd = text.indexOf('\n');
    const qsizetype recipientsEnd = text.indexOf('\n', kindEnd + 1);
    if (kindEnd < 0 || recipientsEnd < 0)
        return false;
    const QByteArray kind = text.left(kindEnd);
    if (kind != "send" && kind != "close")
        return false;
    payload->closes = kind == "close";
    payload->recipients.clear();
    const QByteArray ids = text.mid(kindEnd + 1, recipientsEnd - kindEnd - 1);
    for (const QByteArray &id : ids.split(' ')) {
        if (QUuid::fromString(QLatin1String(id)).isNull())
            return false;
        payload->recipients.append(QString::fromLatin1(id));
    }
    payload->frame = text.mid(recipientsEnd + 1);
    return payload->closes == payload->frame.isEmpty();
}

void EventBus::post(const Payload &payload) {
    const QByteArray text = encode(payload);
    if (text.size() > kMostPayloadBytes)
        return;
    // A notification leaves with the caller's transaction, and is dropped with it.
    if (m_db.isPostgres()) {
        m_db.exec(QStringLiteral("SELECT pg_notify(?, ?)"), {kChannel, QString::fromUtf8(text)});
        return;
    }
    m_db.afterCommit([this, text] {
        QMetaObject::invokeMethod(
            this, [this, text] { receive(text); }, Qt::QueuedConnection);
    });
}

void EventBus::receive(const QByteArray &text) {
    Payload payload;
    if (!decode(text, &payload))
        return;
    if (payload.closes)
        emit closing(payload.recipients);
    else
        emit arrived(payload.recipients, payload.frame);
}

bool EventBus::listen(QString *error, std::chrono::milliseconds checkEvery) {
    if (!m_db.isPostgres() || m_listener.isValid())
        return true;
    if (!openListener(error))
        return false;
    connect(&m_listenerCheck, &QTimer::timeout, this, &EventBus::checkListener);
    m_listenerCheck.start(checkEvery);
    return true;
}

bool EventBus::openListener(QString *error) {
    m_listenerName = QStringLiteral("zirel-events-%1").arg(quintptr(this));
    try {
        m_listener = m_db.openDedicated(m_listenerName);
    } catch (const DbError &e) {
        *error = QString::fromUtf8(e.what());
        return false;
    }
    QSqlDriver *driver = m_listener.driver();
    connect(driver, &QSqlDriver::notification, this,
            [this](const QString &name, QSqlDriver::NotificationSource, const QVariant &text) {
                if (name == kChannel)
                    receive(text.toString().toUtf8());
            });
    if (!driver->subscribeToNotification(kChannel)) {
        *error = QStringLiteral("cannot listen for events");
        closeListener();
        return false;
    }
    return true;
}

void EventBus::closeListener() {
    if (!m_listener.isValid())
        return;
    m_listener.close();
    m_listener = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_listenerName);
}

void EventBus::checkListener() {
    if (QSqlQuery(QStringLiteral("SELECT 1"), m_listener).isActive())
        return;
    // Other processes' events stopped coming with the connection (a restarted database, a
    // dropped link); the clients' slow polls cover what passed meanwhile.
    closeListener();
    QString error;
    if (!openListener(&error))
        QTextStream(stdout) << "Cannot listen for events again: " << error << Qt::endl;
}
