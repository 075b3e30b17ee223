// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// One round action button under the card stack: a symbol, a tag that names its action, and the
// press feedback (it shrinks while held). A release inside it reports a tap.
class CardButton : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ButtonStackView")
    Q_PROPERTY(QString symbol READ symbol CONSTANT)
    Q_PROPERTY(int tag READ tag CONSTANT)
    Q_PROPERTY(QString accessibleName READ accessibleName CONSTANT)
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY appearanceChanged)
    Q_PROPERTY(QColor tintColor READ tintColor NOTIFY appearanceChanged)
    Q_PROPERTY(qreal targetScale READ targetScale NOTIFY appearanceChanged)

public:
    static constexpr qreal kPressedScale = 0.8;
    static constexpr int kPressDurationMs = 200;
    static constexpr int kReleaseDurationMs = 100;

    CardButton(QString symbol, int tag, QColor imageColor, QString accessibleName,
               QObject *parent = nullptr);

    QString symbol() const { return m_symbol; }
    int tag() const { return m_tag; }
    QString accessibleName() const { return m_accessibleName; }
    QColor imageColor() const { return m_imageColor; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    /// The symbol's colour: its own when enabled, the palette grey when not.
    QColor tintColor() const;
    bool isPressed() const { return m_pressed; }
    qreal targetScale() const { return m_pressed ? kPressedScale : 1.0; }
    /// How long the move to a scale takes: shrinking on a press, growing back on the release.
    Q_INVOKABLE int durationToScale(qreal target) const {
        return target < 1.0 ? kPressDurationMs : kReleaseDurationMs;
    }

    Q_INVOKABLE void touchDown();
    /// Ends a press; `inside` tells whether the pointer was still over the button.
    Q_INVOKABLE void touchUp(bool inside);
    /// A click: releases a held button inside it, or presses and releases at once (a key).
    Q_INVOKABLE void click();

Q_SIGNALS:
    void appearanceChanged();
    void tapped(CardButton *button);

private:
    QString m_symbol;
    int m_tag;
    QColor m_imageColor;
    QString m_accessibleName;
    bool m_enabled = true;
    bool m_pressed = false;
};
