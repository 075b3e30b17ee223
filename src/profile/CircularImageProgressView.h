// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QVariant>
#include <QVariantAnimation>

// A picture inside a completion ring. The ring fills clockwise from the top in proportion to
// progress / total with the accent gradient over a track; each new progress animates the ring
// over half a second from wherever it is drawn at that moment. Until the ring is full the
// percentage and a red dot ask for more; the view that places the ring draws those two from
// percentText and meterVisible.
class CircularImageProgressView : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int progress READ progress WRITE setProgress NOTIFY progressChanged)
    Q_PROPERTY(int total READ total WRITE setTotal NOTIFY progressChanged)
    // A QImage; QML's tools know no QImage type, so it travels as a variant. Without one the
    // ring holds a filled circle.
    Q_PROPERTY(QVariant image READ imageVariant WRITE setImageVariant NOTIFY imageChanged)
    Q_PROPERTY(QString percentText READ percentText NOTIFY progressChanged)
    Q_PROPERTY(bool meterVisible READ meterVisible NOTIFY progressChanged)
    Q_PROPERTY(QColor trackColor READ trackColor WRITE setTrackColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor placeholderColor READ placeholderColor WRITE setPlaceholderColor NOTIFY
                   colorsChanged)

public:
    static constexpr qreal kLineWidth = 5;
    static constexpr int kAnimationMs = 500;

    explicit CircularImageProgressView(QQuickItem *parent = nullptr);

    int progress() const { return m_progress; }
    void setProgress(int progress);
    int total() const { return m_total; }
    /// Steps in all; a count below one is refused.
    void setTotal(int total);
    QImage image() const { return m_image; }
    QVariant imageVariant() const { return QVariant::fromValue(m_image); }
    void setImageVariant(const QVariant &image);
    QString percentText() const;
    bool meterVisible() const { return m_progress < m_total; }
    QColor trackColor() const { return m_trackColor; }
    void setTrackColor(const QColor &color);
    QColor placeholderColor() const { return m_placeholderColor; }
    void setPlaceholderColor(const QColor &color);

    /// The share of the ring the progress fills.
    [[nodiscard]] qreal strokeEnd() const { return m_strokeEnd; }
    /// The share drawn now, on its way to strokeEnd.
    [[nodiscard]] qreal presentedStrokeEnd() const { return m_presented; }
    /// Where the running animation started; the drawn share when none runs.
    [[nodiscard]] qreal animationStart() const;

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void progressChanged();
    void imageChanged();
    void colorsChanged();

private:
    int m_progress = 0;
    int m_total = 6;
    QImage m_image;
    QColor m_trackColor = Qt::lightGray;
    QColor m_placeholderColor = Qt::gray;
    qreal m_strokeEnd = 0;
    qreal m_presented = 0;
    QVariantAnimation m_animation;
};
