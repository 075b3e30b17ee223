// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controls/SliderBase.h"

// One thumb on a track from 1 to 200, for the search distance: the accent colour up to the
// thumb, the track colour beyond it. A press on the track brings the thumb there; a drag moves
// it with the pointer.
class Slider : public SliderBase {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(double minimumValue READ minimumValue CONSTANT)
    Q_PROPERTY(double maximumValue READ maximumValue CONSTANT)
    Q_PROPERTY(bool pressed READ pressed NOTIFY pressedChanged)

public:
    explicit Slider(QQuickItem *parent = nullptr);

    [[nodiscard]] double value() const { return m_value; }
    void setValue(double value);
    [[nodiscard]] static double minimumValue() { return 1; }
    [[nodiscard]] static double maximumValue() { return 200; }
    [[nodiscard]] bool pressed() const { return m_pressed; }

    /// The thumb's centre along the track for a value.
    [[nodiscard]] double positionForValue(double value) const;
    [[nodiscard]] QRectF thumbFrame() const;

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void valueChanged();
    /// Sent once for every change the user makes, not when the value is set.
    void moved();
    void pressedChanged();

protected:
    bool press(QPointF position) override;
    void drag(QPointF position) override;
    void release() override;
    void stepThumb(double delta) override;
    [[nodiscard]] double span() const override { return maximumValue() - minimumValue(); }

private:
    void setPressed(bool pressed);
    /// Sets the value as the user chose it, and tells when it changed.
    void move(double value);
    [[nodiscard]] double valueAt(double x) const;

    double m_value = 100;
    bool m_pressed = false;
    // Where on the thumb the drag took hold, so the thumb does not jump under the pointer.
    double m_grabOffset = 0;
};
