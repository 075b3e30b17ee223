// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "GestureReplay.h"

#include "cardstack/SwipeCard.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QQuickWindow>

void replayPan(SwipeCard *card, PanGestureRecognizer::State state, QPointF translation,
               QPointF velocity, QPointF location) {
    PanGestureRecognizer *recognizer = card->panGestureRecognizer();
    recognizer->setTestState(state);
    recognizer->setTestTranslation(translation);
    recognizer->setTestVelocity(velocity);
    recognizer->setTestLocation(location);
    recognizer->sendAction();
}

void sendMouse(QQuickWindow &window, QEvent::Type type, QPointF position, ulong time) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, position, position, Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(&window, &event);
}
