#pragma once

#include "platform/SealedBox.h"

#include <QObject>

// The module the client loads to seal its sign-in envelope.
class SealedBoxModule : public QObject, public SealedBox {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZirelSealedBox_iid)
    Q_INTERFACES(SealedBox)
public:
    std::optional<QByteArray> seal(const QByteArray &key, const QByteArray &message) override;
    std::optional<QByteArray> open(const QByteArray &key, const QByteArray &box) override;
};
