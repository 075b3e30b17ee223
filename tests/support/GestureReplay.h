// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/PanGestureRecognizer.h"

#include <QEvent>
#include <QPointF>

class QQuickWindow;
class SwipeCard;

// Replays one step of a pan through the card's injectable recognizer.
void replayPan(SwipeCard *card, PanGestureRecognizer::State state, QPointF translation,
               QPointF velocity = {}, QPointF location = {150, 100});

// Sends one left-button mouse event stamped with the given time, so the measured velocity
// depends only on the times a test chooses.
void sendMouse(QQuickWindow &window, QEvent::Type type, QPointF position, ulong time);
