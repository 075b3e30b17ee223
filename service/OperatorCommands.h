// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

struct ServiceContext;

// The maintenance commands of the service binary; each prints its outcome to stdout.
class OperatorCommands {
public:
    explicit OperatorCommands(ServiceContext &ctx);

    // Runs every command named in the options; false when one of them failed.
    [[nodiscard]] bool run();

private:
    // Stores the key given on the command line, or makes one when the database has none.
    void initEnvelopeKey();
    [[nodiscard]] bool setBanned(const QString &userId, bool banned);
    [[nodiscard]] bool revoke(const QString &userId);
    void listUsers();
    // Shows the stored envelope key to the operator, for building clients.
    [[nodiscard]] bool printEnvelopeKey();

    ServiceContext &m_ctx;
};
