// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ApiServer.h"
#include "Database.h"
#include "OperatorCommands.h"
#include "ServiceContext.h"
#include "ServiceOptions.h"

#include <QGuiApplication>
#include <QTextStream>
#include <QUrl>
#include <sys/stat.h>

int main(int argc, char *argv[]) {
    // The database and the uploaded photos are personal data: nobody but the service's own
    // user reads them, wherever the operator puts them.
    umask(S_IRWXG | S_IRWXO);
    // Portraits are drawn with QPainter text; no display is needed or wanted.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own event loop rather than GLib's, which the service has no use for: GLib keeps
    // watched sockets in lists, so each answer written to one of thousands of open connections
    // walks them all.
    qputenv("QT_NO_GLIB", "1");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("zirel-service"));
    QTextStream out(stdout);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << ServiceOptions::usage();
        return 0;
    }
    ServiceOptions options;
    QString error;
    if (!options.parse(arguments, &error)) {
        out << "Error: " << error << Qt::endl << ServiceOptions::usage();
        return 2;
    }
    Database db(options.database);
    if (!db.open(&error)) {
        out << "Cannot open the database " << QUrl(options.database).toString(QUrl::RemovePassword)
            << ": " << error << Qt::endl;
        return 1;
    }
    ApiServer server(options, db);
    if (options.hasCommand()) {
        if (!OperatorCommands(server.context()).run())
            return 1;
        if (!options.serveAfterCommands)
            return 0;
    }
    const quint16 port = server.start(&error);
    if (port == 0) {
        out << "Cannot start: " << error << Qt::endl;
        return 1;
    }
    out << "zirel-service listening on " << options.listenAddress.toString() << ':' << port
        << " (database " << QUrl(options.database).toString(QUrl::RemovePassword) << ')'
        << Qt::endl;
    return QGuiApplication::exec();
}
