#pragma once

#include "ui/ViewController.h"

#include <QImage>
#include <QVariant>
#include <functional>
#include <optional>

// Frames a picked picture in the 3:4 shape of a profile photo. "Добавить в профиль" cuts the
// frame out at full resolution, shrinks it to the photo size limit, screens it for nudity and
// hands the HEIC bytes to whoever opened the screen.
class ImageCropperVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the photo pickers")
    Q_PROPERTY(QVariant image READ imageVariant CONSTANT)
    Q_PROPERTY(QSize imageSize READ imageSize CONSTANT)
    Q_PROPERTY(double maxZoom READ maxZoom CONSTANT)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    /// The likelihood of explicit content in a photo, or nothing when it cannot be judged.
    using Screening = std::function<std::optional<float>(const QImage &)>;
    using Completion = std::function<void(const QByteArray &)>;

    /// Photos judged more likely than this to be explicit are questioned.
    static constexpr float kRejectionThreshold = 0.6f;
    /// The most the picture can be magnified.
    static constexpr double kMaxZoom = 5.0;

    /// The on-device classifier: the confidence of the first "NSFW" observation, 0 when it has
    /// none, nothing when the model cannot judge.
    [[nodiscard]] static Screening onDeviceScreening();

    ImageCropperVC(QImage image, Screening screening, Services services = {},
                   QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("photos/ImageCropperView.qml"); }
    QString rightBarButtonTitle() const override { return tr("Закрыть"); }
    void rightBarButtonTapped() override { close(); }

    QImage image() const { return m_image; }
    QVariant imageVariant() const { return QVariant::fromValue(m_image); }
    QSize imageSize() const { return m_image.size(); }
    double maxZoom() const { return kMaxZoom; }
    bool busy() const { return m_busy; }
    void setImageCompletionHandler(Completion handler) { m_completion = std::move(handler); }

    /// Processes the part of the picture inside the frame, in the picture's pixels.
    Q_INVOKABLE void addButtonTapped(const QRect &frame);
    bool handleKey(KeyCommand command) override;

Q_SIGNALS:
    void busyChanged();
    /// The view has the frame and sends it on with addButtonTapped.
    void addRequested();

private:
    void judge(const QImage &photo, std::optional<float> confidence);
    void encodeAndDeliver(const QImage &photo);
    void deliver(const QByteArray &bytes);
    void close();
    void setBusy(bool busy);

    QImage m_image;
    Screening m_screening;
    Completion m_completion;
    bool m_busy = false;
};
