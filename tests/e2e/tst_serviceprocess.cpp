// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ServiceProcess.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

// The reference service as the end-to-end tests, the screenshot tour and the start-up benchmark
// run it.
class TestServiceProcess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The service logs every request. The benchmark blocks on each client start it times, so
    // nothing read that log while it ran: once the log filled a pipe, the service stopped
    // answering and a start waited for a minute.
    void answersWhileNobodyReadsItsLog() {
        ServiceProcess service({QStringLiteral("--no-demo")});
        QVERIFY2(service.start(), qPrintable(service.output()));
        // Some 150 KB of log lines, more than a pipe holds.
        const QByteArray path = '/' + QByteArray(190, 'x');
        for (int i = 0; i < 600; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, service.port());
            QVERIFY(socket.waitForConnected(5000));
            socket.write("GET " + path +
                         " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
            QVERIFY2(socket.waitForReadyRead(5000),
                     qPrintable(QStringLiteral("request %1 was not answered").arg(i)));
        }
        QCOMPARE(service.output().count(QString::fromLatin1(path)), 600);
    }
};

QTEST_GUILESS_MAIN(TestServiceProcess)
#include "tst_serviceprocess.moc"
