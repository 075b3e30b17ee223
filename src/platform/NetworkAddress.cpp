// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/NetworkAddress.h"

#include <QHostAddress>

bool NetworkAddress::isLoopbackHost(const QString &host) {
    return host == u"localhost" || QHostAddress(host).isLoopback();
}

bool NetworkAddress::mayFetch(const QUrl &url) {
    if (!url.isValid() || url.host().isEmpty())
        return false;
    return url.scheme() == u"https" || (url.scheme() == u"http" && isLoopbackHost(url.host()));
}
