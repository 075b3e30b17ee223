// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// The 3:4 frame a picture is placed under before it becomes a profile photo. The picture always
// covers the whole frame: it can be magnified up to five times beyond that and moved only as far
// as its edges allow. Positions are in the frame's points; the offset is where the frame's
// top-left corner lies on the magnified picture.
class CropFrame {
public:
    /// The most the picture can be magnified: five points of the frame per picture pixel.
    static constexpr double kMaxZoom = 5.0;
    /// One notch of a wheel or one press of + or −.
    static constexpr double kZoomStep = 1.15;
    /// One press of an arrow key, in points.
    static constexpr double kNudge = 40.0;

    explicit CropFrame(QSize picture);

    /// The frame inside the area above the add button: as large as fits, centred across; in
    /// a tall area also centred down, in a wide one at the top.
    [[nodiscard]] static QRectF layOut(QSizeF area);

    /// A new frame size puts the picture back to covering it, centred.
    void setFrameSize(QSizeF size);
    [[nodiscard]] QSizeF frameSize() const { return m_frame; }

    [[nodiscard]] double zoom() const { return m_zoom; }
    [[nodiscard]] double minZoom() const;
    [[nodiscard]] QPointF offset() const { return m_offset; }
    [[nodiscard]] QSizeF shownSize() const { return QSizeF(m_picture) * m_zoom; }

    /// Magnifies around a point of the frame, keeping the part of the picture under it there.
    void zoomBy(double factor, QPointF at);
    void moveBy(QPointF delta);

    /// The framed part in the picture's own pixels. Before the frame has a size it is the
    /// largest 3:4 part of the picture, centred.
    [[nodiscard]] QRect inPicture() const;

private:
    void clampOffset();

    QSize m_picture;
    QSizeF m_frame;
    double m_zoom = 1.0;
    QPointF m_offset;
};
