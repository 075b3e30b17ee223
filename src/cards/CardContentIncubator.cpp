// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/CardContentIncubator.h"

#include <QQmlError>

CardContentIncubator::CardContentIncubator(Finished finished)
    : QQmlIncubator(Asynchronous)
    , m_finished(std::move(finished)) {}

void CardContentIncubator::statusChanged(Status status) {
    if (status == Ready) {
        m_finished(object(), {});
    } else if (status == Error) {
        QStringList reasons;
        for (const QQmlError &error : errors())
            reasons.append(error.toString());
        m_finished(nullptr, reasons.join(u'\n'));
    }
}
