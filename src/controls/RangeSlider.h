// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controls/SliderBase.h"
#include "controls/Theme.h"

#include <optional>

// Two thumbs on one track, for a range such as the ages to be shown: the stretch between them
// is highlighted. The thumbs keep a gap of one thumb width between them; the lower one never
// goes below 18.
class RangeSlider : public SliderBase {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double minimumValue READ minimumValue WRITE setMinimumValue NOTIFY valuesChanged)
    Q_PROPERTY(double maximumValue READ maximumValue WRITE setMaximumValue NOTIFY valuesChanged)
    Q_PROPERTY(double lowerValue READ lowerValue WRITE setLowerValue NOTIFY valuesChanged)
    Q_PROPERTY(double upperValue READ upperValue WRITE setUpperValue NOTIFY valuesChanged)
    Q_PROPERTY(
        double curvaceousness READ curvaceousness WRITE setCurvaceousness NOTIFY appearanceChanged)
    Q_PROPERTY(
        QColor trackTintColor READ trackTintColor WRITE setTrackTintColor NOTIFY appearanceChanged)
    Q_PROPERTY(QColor trackHighlightTintColor READ trackHighlightTintColor WRITE
                   setTrackHighlightTintColor NOTIFY appearanceChanged)
    Q_PROPERTY(
        QColor thumbTintColor READ thumbTintColor WRITE setThumbTintColor NOTIFY appearanceChanged)
    // The thumb the keyboard moves: "lower" or "upper". Its value is the slider's value for
    // assistive technology.
    Q_PROPERTY(QString keyboardThumb READ keyboardThumb NOTIFY keyboardThumbChanged)
    Q_PROPERTY(double value READ value NOTIFY valuesChanged)

public:
    enum class Thumb { None, Lower, Upper };

    explicit RangeSlider(QQuickItem *parent = nullptr);

    [[nodiscard]] double minimumValue() const { return m_minimumValue; }
    [[nodiscard]] double maximumValue() const { return m_maximumValue; }
    [[nodiscard]] double lowerValue() const { return m_lowerValue; }
    [[nodiscard]] double upperValue() const { return m_upperValue; }
    void setMinimumValue(double value);
    void setMaximumValue(double value);
    void setLowerValue(double value);
    void setUpperValue(double value);

    [[nodiscard]] double curvaceousness() const { return m_curvaceousness; }
    void setCurvaceousness(double value);
    [[nodiscard]] QColor trackTintColor() const;
    void setTrackTintColor(const QColor &color);
    [[nodiscard]] QColor trackHighlightTintColor() const { return m_trackHighlightTint; }
    void setTrackHighlightTintColor(const QColor &color);
    [[nodiscard]] QColor thumbTintColor() const { return m_thumbTint; }
    void setThumbTintColor(const QColor &color);

    [[nodiscard]] QString keyboardThumb() const;
    [[nodiscard]] double value() const;
    /// The thumb being dragged, if any.
    [[nodiscard]] Thumb highlightedThumb() const { return m_highlighted; }

    /// Where a value sits along the track, and each thumb's square.
    [[nodiscard]] double positionForValue(double value) const;
    [[nodiscard]] QRectF lowerThumbFrame() const;
    [[nodiscard]] QRectF upperThumbFrame() const;

    void paint(QPainter *painter) override;

Q_SIGNALS:
    /// Sent once for every move of a thumb by the user, even when a limit holds the value.
    void valueChanged();
    void valuesChanged();
    void keyboardThumbChanged();

protected:
    bool press(QPointF position) override;
    void drag(QPointF position) override;
    void release() override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void stepThumb(double delta) override;
    [[nodiscard]] double span() const override { return m_maximumValue - m_minimumValue; }

private:
    /// The thumb Tab or Shift+Tab moves to within the slider; none when the key leaves it.
    [[nodiscard]] std::optional<Thumb> tabTarget(const QKeyEvent *event) const;
    /// Moves one thumb by `delta` value units, one thumb width short of the other at most.
    void moveThumb(Thumb thumb, double delta);
    void setKeyboardThumb(Thumb thumb);
    [[nodiscard]] double gap() const;
    [[nodiscard]] QRectF thumbFrame(double value) const;
    void drawThumb(QPainter *painter, const QRectF &frame, bool highlighted) const;

    double m_minimumValue = 18;
    double m_maximumValue = 150;
    double m_lowerValue = 18;
    double m_upperValue = 150;
    double m_curvaceousness = 1.0;
    QColor m_trackTint;
    QColor m_trackHighlightTint = Theme::accent();
    QColor m_thumbTint = Qt::white;
    Thumb m_highlighted = Thumb::None;
    Thumb m_keyboardThumb = Thumb::Lower;
    QPointF m_previousLocation;
};
