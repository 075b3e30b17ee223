// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/ImageCropperVC.h"

#include "media/NsfwClassifier.h"
#include "media/PhotoProcessor.h"
#include "platform/TaskGroup.h"
#include "ui/AlertErrorVC.h"
#include "ui/KeyActions.h"
#include "ui/MainThreadReceiver.h"

#include <QPointer>
#include <cmath>

ImageCropperVC::Screening ImageCropperVC::onDeviceScreening(NsfwClassifier &classifier) {
    return [&classifier](const QImage &photo) -> std::optional<float> {
        const auto observations = classifier.classify(photo);
        if (!observations)
            return std::nullopt;
        for (const ClassifierObservation &observation : *observations) {
            if (observation.label == NsfwClassifier::kNsfwLabel)
                return observation.confidence;
        }
        return 0.0f;
    };
}

ImageCropperVC::ImageCropperVC(QImage image, Screening screening, Services services,
                               QObject *parent)
    : ViewController(QStringLiteral("ImageCropperVC"), services, parent)
    , m_image(std::move(image))
    , m_framing(m_image.size())
    , m_screening(std::move(screening)) {
    setTitle(tr("Сдвинуть и изменить масштаб"));
}

bool ImageCropperVC::handleKey(KeyCommand command) {
    return runKeyAction(command, {{KeyCommand::Return, [this] { addButtonTapped(); }}});
}

void ImageCropperVC::layOut(QSizeF area) {
    const QRectF frame = CropFrame::layOut(area);
    if (frame == m_frameRect)
        return;
    m_frameRect = frame;
    m_framing.setFrameSize(frame.size());
    Q_EMIT framingChanged();
}

void ImageCropperVC::zoomSteps(double steps, QPointF at) {
    zoomBy(std::pow(CropFrame::kZoomStep, steps), at);
}

void ImageCropperVC::zoomBy(double factor, QPointF at) {
    m_framing.zoomBy(factor, at);
    Q_EMIT framingChanged();
}

void ImageCropperVC::zoomStepsAtCentre(double steps) {
    zoomSteps(steps, QPointF(m_frameRect.width() / 2, m_frameRect.height() / 2));
}

void ImageCropperVC::moveBy(QPointF delta) {
    m_framing.moveBy(delta);
    Q_EMIT framingChanged();
}

void ImageCropperVC::nudge(int across, int down) {
    moveBy(QPointF(across, down) * CropFrame::kNudge);
}

void ImageCropperVC::addButtonTapped() {
    if (m_busy || m_image.isNull())
        return;
    const QRect frame = m_framing.inPicture();
    setBusy(true);
    // Cutting first keeps the heavy steps to the framed part of a picture of many megapixels.
    services().tasks().run([image = m_image, frame, screening = m_screening,
                            to = MainThreadReceiver(this)] {
        const QImage cut = PhotoProcessor::cut(image, frame);
        if (cut.isNull()) {
            to.post([](ImageCropperVC &screen) { screen.setBusy(false); });
            return;
        }
        const QImage photo = PhotoProcessor::fitted(PhotoProcessor::flattened(cut));
        const std::optional<float> confidence = screening ? screening(photo) : std::nullopt;
        to.post([photo, confidence](ImageCropperVC &screen) { screen.judge(photo, confidence); });
    });
}

void ImageCropperVC::judge(const QImage &photo, std::optional<float> confidence) {
    if (!confidence) {
        setBusy(false);
        AlertErrorVC::show(this, tr("Не удалось обработать изображение"));
        return;
    }
    if (*confidence > kRejectionThreshold) {
        setBusy(false);
        QPointer<ImageCropperVC> weak = this;
        auto *alert = new AlertErrorVC(tr("Изменить фото"), true, [weak, photo] {
            if (weak)
                weak->encodeAndDeliver(photo);
        });
        alert->setMessage(tr("Неприемлемый контент"));
        present(alert, PresentationStyle::CrossDissolve, true);
        return;
    }
    encodeAndDeliver(photo);
}

void ImageCropperVC::encodeAndDeliver(const QImage &photo) {
    setBusy(true);
    services().tasks().run([photo, to = MainThreadReceiver(this)] {
        const QByteArray bytes = PhotoProcessor::encodeHeic(photo);
        to.post([bytes](ImageCropperVC &screen) { screen.deliver(bytes); });
    });
}

void ImageCropperVC::deliver(const QByteArray &bytes) {
    setBusy(false);
    if (bytes.isEmpty()) {
        AlertErrorVC::show(this, tr("Не удалось обработать изображение"));
        return;
    }
    // The handler may close this screen together with the one that opened it.
    QPointer<ImageCropperVC> self = this;
    if (m_completion)
        m_completion(bytes);
    if (self)
        close();
}

void ImageCropperVC::close() {
    // The cropper is shown in a navigation container of its own, presented over its opener.
    if (ViewController *opener = presentationRoot()->presentingViewController())
        opener->dismiss(true);
}

void ImageCropperVC::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged();
}
