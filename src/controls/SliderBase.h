// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QQuickPaintedItem>

// What the distance and age sliders share: their colours in the light and dark appearance, the
// mouse and touch tracking, and the keys that step a thumb. Each slider applies a step with the
// same rules as a drag, so every input path keeps its limits. The wheel is left to the page the
// slider lies on, as on every desktop: a value changed by a turn meant for the page would be
// saved unnoticed.
class SliderBase : public QQuickPaintedItem {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(bool dark READ dark WRITE setDark NOTIFY appearanceChanged)
    // Read by assistive technology through the item's slider role.
    Q_PROPERTY(double stepSize READ stepSize CONSTANT)

public:
    explicit SliderBase(QQuickItem *parent = nullptr);

    [[nodiscard]] bool dark() const { return m_dark; }
    void setDark(bool dark);
    [[nodiscard]] static double stepSize() { return 1; }

    [[nodiscard]] QColor rangeTrackColor() const;
    [[nodiscard]] QColor thumbOutlineColor() const;

Q_SIGNALS:
    void appearanceChanged();

protected:
    /// Moves the thumb the keyboard is on by `delta` value units, within the slider's rules.
    virtual void stepThumb(double delta) = 0;
    /// A press at `position`; false when it takes no thumb, and the press goes on to what lies
    /// beneath.
    virtual bool press(QPointF position) = 0;
    virtual void drag(QPointF position) = 0;
    virtual void release() = 0;
    /// The slider's whole span, for Home and End.
    [[nodiscard]] virtual double span() const = 0;

    bool event(QEvent *event) override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseUngrabEvent() override;
    void touchEvent(QTouchEvent *event) override;
    void touchUngrabEvent() override;

private:
    void endTracking();

    [[nodiscard]] static bool isStepKey(int key);

    bool m_dark = false;
    bool m_tracking = false;
};
