// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "cards/CardButton.h"

// The round plate a CardButton sits on in the row; its height is a share of the row's width.
class ButtonContainer : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ButtonStackView")
    Q_PROPERTY(CardButton *button READ button CONSTANT)
    Q_PROPERTY(qreal heightFraction READ heightFraction CONSTANT)

public:
    ButtonContainer(CardButton *button, qreal heightFraction, QObject *parent = nullptr);

    CardButton *button() const { return m_button; }
    qreal heightFraction() const { return m_heightFraction; }
    /// Side of the square plate for a row this wide.
    Q_INVOKABLE qreal sideForRowWidth(qreal rowWidth) const { return rowWidth * m_heightFraction; }

private:
    CardButton *m_button;
    qreal m_heightFraction;
};
