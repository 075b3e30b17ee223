// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

class QQuickItem;

// A press and release without a pan in between. The location can be injected for drivers.
class TapGestureRecognizer : public QObject {
    Q_OBJECT
public:
    explicit TapGestureRecognizer(QQuickItem *view);

    void setAction(std::function<void()> action) { m_action = std::move(action); }
    /// Where the tap landed, in the coordinates of item (the recognizer's own view when null).
    [[nodiscard]] QPointF location(const QQuickItem *item = nullptr) const;
    void setTestLocation(std::optional<QPointF> p) { m_testLocation = p; }
    /// Calls the action as a real tap would, after test values were set.
    void sendAction();

    /// The owner reports a finished press that never became a pan.
    void tapped(QPointF scenePos);

private:
    QQuickItem *m_view;
    std::function<void()> m_action;
    QPointF m_scenePos;
    std::optional<QPointF> m_testLocation;
};
