// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QColor>
#include <QJsonValue>
#include <QSize>
#include <QString>

// Canned service answers kept under tests/fixtures.
namespace Fixtures {

// The file's bytes; fails the running test's expectations loudly when it is missing.
[[nodiscard]] QByteArray bytes(const QString &name);
[[nodiscard]] QJsonValue json(const QString &name);
// A picture of one colour, encoded as a PNG file is.
[[nodiscard]] QByteArray png(QSize size = {8, 6}, QColor color = Qt::red);

/// Writes a file, making its folders; false when it cannot be written.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &text);
} // namespace Fixtures
