// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/CropFrame.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kAspect = 3.0 / 4.0; // width over height
} // namespace

CropFrame::CropFrame(QSize picture)
    : m_picture(picture.expandedTo({1, 1})) {}

QRectF CropFrame::layOut(QSizeF area) {
    const bool tall = area.height() * kAspect > area.width();
    const QSizeF size = tall ? QSizeF(area.width(), std::round(area.width() / kAspect))
                             : QSizeF(std::round(area.height() * kAspect), area.height());
    const double x = std::round((area.width() - size.width()) / 2);
    const double y = tall ? std::round((area.height() - size.height()) / 2) : 0;
    return {QPointF(x, y), size};
}

double CropFrame::minZoom() const {
    return std::max(m_frame.width() / m_picture.width(), m_frame.height() / m_picture.height());
}

void CropFrame::setFrameSize(QSizeF size) {
    m_frame = size;
    m_zoom = minZoom();
    m_offset = QPointF((shownSize().width() - m_frame.width()) / 2,
                       (shownSize().height() - m_frame.height()) / 2);
    clampOffset();
}

void CropFrame::zoomBy(double factor, QPointF at) {
    // A picture smaller than the frame at five times still has to cover it.
    const double next = std::clamp(m_zoom * factor, minZoom(), std::max(minZoom(), kMaxZoom));
    const QPointF inPicture = (m_offset + at) / m_zoom;
    m_zoom = next;
    m_offset = inPicture * next - at;
    clampOffset();
}

void CropFrame::moveBy(QPointF delta) {
    m_offset += delta;
    clampOffset();
}

QRect CropFrame::inPicture() const {
    if (m_frame.isEmpty()) {
        const QSize part = QSizeF(kAspect, 1).scaled(m_picture, Qt::KeepAspectRatio).toSize();
        return {QPoint((m_picture.width() - part.width()) / 2,
                       (m_picture.height() - part.height()) / 2),
                part};
    }
    // The frame's points round to whole pixels; the cut keeps the exact shape of a photo.
    const int height = std::min(qRound(m_frame.height() / m_zoom), m_picture.height());
    const int width = std::min(qRound(height * kAspect), m_picture.width());
    const QPointF corner = m_offset / m_zoom;
    return {std::clamp(qRound(corner.x()), 0, m_picture.width() - width),
            std::clamp(qRound(corner.y()), 0, m_picture.height() - height), width, height};
}

void CropFrame::clampOffset() {
    m_offset.setX(
        std::clamp(m_offset.x(), 0.0, std::max(0.0, shownSize().width() - m_frame.width())));
    m_offset.setY(
        std::clamp(m_offset.y(), 0.0, std::max(0.0, shownSize().height() - m_frame.height())));
}
