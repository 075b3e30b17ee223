// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "CallerAddress.h"

#include <QList>

namespace CallerAddress {

QHostAddress unmapped(const QHostAddress &address) {
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4) : address;
}

QByteArray of(const QHostAddress &peer, const QByteArray &forwardedFor, const QHostAddress &proxy) {
    const QHostAddress caller = unmapped(peer);
    if (!proxy.isNull() && caller.isEqual(proxy, QHostAddress::TolerantConversion)) {
        const QHostAddress forwarded(QString::fromLatin1(forwardedFor.split(',').last().trimmed()));
        if (!forwarded.isNull())
            return unmapped(forwarded).toString().toLatin1();
    }
    return caller.toString().toLatin1();
}

} // namespace CallerAddress
