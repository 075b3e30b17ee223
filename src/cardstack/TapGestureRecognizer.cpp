// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/TapGestureRecognizer.h"

#include <QQuickItem>

TapGestureRecognizer::TapGestureRecognizer(QQuickItem *view)
    : QObject(view)
    , m_view(view) {}

QPointF TapGestureRecognizer::location(const QQuickItem *item) const {
    if (m_testLocation)
        return *m_testLocation;
    return (item ? item : m_view)->mapFromScene(m_scenePos);
}

void TapGestureRecognizer::sendAction() {
    if (m_action)
        m_action();
}

void TapGestureRecognizer::tapped(QPointF scenePos) {
    m_scenePos = scenePos;
    sendAction();
}
