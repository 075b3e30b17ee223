#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>

// Canned service answers kept under tests/fixtures.
namespace Fixtures {

// The file's bytes; fails the running test's expectations loudly when it is missing.
[[nodiscard]] QByteArray bytes(const QString &name);
[[nodiscard]] QJsonValue json(const QString &name);

} // namespace Fixtures
