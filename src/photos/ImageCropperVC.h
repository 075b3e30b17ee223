// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "photos/CropFrame.h"
#include "ui/ViewController.h"

#include <QImage>
#include <QVariant>
#include <functional>
#include <optional>

class NsfwClassifier;

// Frames a picked picture in the 3:4 shape of a profile photo. "Добавить в профиль" cuts the
// frame out at full resolution, shrinks it to the photo size limit, screens it for nudity and
// hands the HEIC bytes to whoever opened the screen.
class ImageCropperVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the photo pickers")
    Q_PROPERTY(QVariant image READ imageVariant CONSTANT)
    Q_PROPERTY(QSize imageSize READ imageSize CONSTANT)
    // Where the frame lies in the area above the button, and where the picture lies under it.
    Q_PROPERTY(QRectF frame READ frame NOTIFY framingChanged)
    Q_PROPERTY(QPointF offset READ offset NOTIFY framingChanged)
    Q_PROPERTY(QSizeF shownSize READ shownSize NOTIFY framingChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    /// The likelihood of explicit content in a photo, or nothing when it cannot be judged.
    using Screening = std::function<std::optional<float>(const QImage &)>;
    using Completion = std::function<void(const QByteArray &)>;

    /// Photos judged more likely than this to be explicit are questioned.
    static constexpr float kRejectionThreshold = 0.6f;

    /// The on-device classifier: the confidence of the first "NSFW" observation, 0 when it has
    /// none, nothing when the model cannot judge. The classifier must outlive the screening.
    [[nodiscard]] static Screening onDeviceScreening(NsfwClassifier &classifier);

    ImageCropperVC(QImage image, Screening screening, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("photos/ImageCropperView.qml"); }

    bool keepsToColumn() const override { return true; }
    QString rightBarButtonTitle() const override { return tr("Закрыть"); }
    void rightBarButtonTapped() override { close(); }

    QImage image() const { return m_image; }
    QVariant imageVariant() const { return QVariant::fromValue(m_image); }
    QSize imageSize() const { return m_image.size(); }
    QRectF frame() const { return m_frameRect; }
    QPointF offset() const { return m_framing.offset(); }
    QSizeF shownSize() const { return m_framing.shownSize(); }
    const CropFrame &framing() const { return m_framing; }
    bool busy() const { return m_busy; }
    void setImageCompletionHandler(Completion handler) { m_completion = std::move(handler); }

    /// The area above the button changed size: the frame follows, the picture covers it anew.
    Q_INVOKABLE void layOut(QSizeF area);
    /// Wheel notches or + and − presses (negative to shrink), around a point of the frame.
    Q_INVOKABLE void zoomSteps(double steps, QPointF at);
    /// The same around the frame's centre.
    Q_INVOKABLE void zoomStepsAtCentre(double steps);
    /// A pinch: magnifies by the factor around a point of the frame.
    Q_INVOKABLE void zoomBy(double factor, QPointF at);
    /// A drag, in the frame's points.
    Q_INVOKABLE void moveBy(QPointF delta);
    /// Arrow key presses across and down (−1, 0 or 1 each).
    Q_INVOKABLE void nudge(int across, int down);
    /// Processes the part of the picture inside the frame.
    Q_INVOKABLE void addButtonTapped();
    bool handleKey(KeyCommand command) override;

Q_SIGNALS:
    void busyChanged();
    void framingChanged();

private:
    void judge(const QImage &photo, std::optional<float> confidence);
    void encodeAndDeliver(const QImage &photo);
    void deliver(const QByteArray &bytes);
    void close();
    void setBusy(bool busy);

    QImage m_image;
    CropFrame m_framing;
    QRectF m_frameRect;
    Screening m_screening;
    Completion m_completion;
    bool m_busy = false;
};
