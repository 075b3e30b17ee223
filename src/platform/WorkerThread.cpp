// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/WorkerThread.h"

#include <QCoreApplication>

WorkerThread::WorkerThread(const QString &name)
    : m_context(new QObject) {
    m_thread.setObjectName(name);
    m_context->moveToThread(&m_thread);
    // Deleted on its own thread as that ends, with whatever the work parented to it.
    QObject::connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start();
    if (QCoreApplication *application = QCoreApplication::instance())
        m_quitting =
            QObject::connect(application, &QCoreApplication::aboutToQuit, [this] { stop(); });
}

WorkerThread::~WorkerThread() {
    QObject::disconnect(m_quitting);
    stop();
}

void WorkerThread::post(std::function<void()> work) {
    if (QObject *context = m_context)
        QMetaObject::invokeMethod(context, std::move(work));
}

void WorkerThread::stop() {
    m_thread.quit();
    m_thread.wait();
}
