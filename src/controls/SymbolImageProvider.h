// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QQuickImageProvider>

// Serves "image://symbol/<name>?color=<#rrggbb>&bold=1" to QML at the requested size, so
// symbols stay sharp at any scale and take any tint.
class SymbolImageProvider : public QQuickImageProvider {
public:
    SymbolImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
