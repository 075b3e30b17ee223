// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Router.h"
#include "ServiceOptions.h"

#include <QAbstractHttpServer>
#include <QThreadPool>

#include <memory>

class Database;
class DemoCrowd;
class EventHub;
struct ServiceContext;

// The HTTP front: routing with 404/405, access checks (401/410/451), body limits, one log
// line per request, and the error body on every refusal. The HTTP server reads requests on
// the main thread; handlers run on a pool of workers, so a slow one holds nobody else. Event
// channels are upgraded from the same port and kept by the event hub.
class ApiServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    ApiServer(const ServiceOptions &options, Database &db, QObject *parent = nullptr);
    ~ApiServer() override;

    // Binds the configured address; port 0 picks a free port. Returns the port or 0.
    [[nodiscard]] quint16 start(QString *error);
    [[nodiscard]] ServiceContext &context() { return *m_context; }
    [[nodiscard]] EventHub &events() { return *m_events; }

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    [[nodiscard]] Reply dispatch(const HttpCall &call);
    // The signed-in account for the request, or throws the matching refusal.
    [[nodiscard]] QString authorise(const HttpCall &call, Access access);
    // The key in the database, made there first when there is none.
    [[nodiscard]] QByteArray storedEnvelopeKey();

    ServiceOptions m_options;
    std::unique_ptr<ServiceContext> m_context;
    std::unique_ptr<DemoCrowd> m_demo;
    Router m_router;
    std::unique_ptr<EventHub> m_events;
    // Last, so it is gone (its threads finished) before the stores they use.
    QThreadPool m_workers;
    // Photo uploads are decoded apart, on fewer threads: a burst of them keeps the CPU busy
    // but never keeps every worker from answering everyone else.
    QThreadPool m_uploadWorkers;
};
