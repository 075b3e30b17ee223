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
    [[nodiscard]] bool setBanned(const QString &userId, bool banned);
    void listUsers();

    ServiceContext &m_ctx;
};
