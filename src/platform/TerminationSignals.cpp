// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace TerminationSignals {

namespace {
// The handler may only do what is safe in a signal handler: it writes one byte, and the main
// thread's event loop reads it and quits.
int wakeUp[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
}
} // namespace

void quitApplicationOnThem() {
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || wakeUp[0] != -1 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeUp) != 0)
        return;
    auto *notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, application);
    QObject::connect(notifier, &QSocketNotifier::activated, application, [] {
        char byte = 0;
        while (::read(wakeUp[1], &byte, 1) == 1) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The handler is taken back as it runs, so a stop that hangs can still be forced.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace TerminationSignals
