#include "photos/CameraCaptureVC.h"

#include "ui/AlertErrorVC.h"
#include "ui/KeyActions.h"

#include <QCamera>
#include <QPointer>
#include <QTimer>
#include <QVideoSink>

namespace {
// The largest picture the camera gives at a frame rate that still makes a usable viewfinder.
QCameraFormat bestFormat(const QCameraDevice &device) {
    constexpr float kSmoothEnough = 10;
    QCameraFormat best;
    const auto pixels = [](const QCameraFormat &format) {
        return qint64(format.resolution().width()) * format.resolution().height();
    };
    for (const QCameraFormat &format : device.videoFormats()) {
        if (format.maxFrameRate() >= kSmoothEnough && pixels(format) > pixels(best))
            best = format;
    }
    return best;
}
} // namespace

CameraCaptureVC::CameraCaptureVC(const QCameraDevice &device, Completion taken, Services services,
                                 QObject *parent)
    : ViewController(QStringLiteral("CameraCaptureVC"), services, parent)
    , m_device(device)
    , m_taken(std::move(taken)) {
    setTitle(tr("Камера"));
}

CameraCaptureVC::~CameraCaptureVC() {
    // The camera's light goes off with the screen, not whenever the object is collected.
    if (m_camera)
        m_camera->stop();
}

bool CameraCaptureVC::handleKey(KeyCommand command) {
    return runKeyAction(command, {{KeyCommand::Return, [this] { shutterTapped(); }}});
}

void CameraCaptureVC::attachViewfinder(QObject *videoOutput) {
    m_session.setVideoOutput(videoOutput);
    if (QVideoSink *sink = m_session.videoSink())
        connect(sink, &QVideoSink::videoFrameChanged, this, &CameraCaptureVC::showFrame);
    if (m_device.isNull() || m_camera)
        return;
    m_camera = new QCamera(m_device, this);
    if (const QCameraFormat format = bestFormat(m_device); !format.isNull())
        m_camera->setCameraFormat(format);
    connect(m_camera, &QCamera::errorOccurred, this, [this](QCamera::Error error) {
        if (error != QCamera::NoError)
            fail();
    });
    m_session.setCamera(m_camera);
    m_camera->start();
}

void CameraCaptureVC::showFrame(const QVideoFrame &frame) {
    if (!frame.isValid())
        return;
    const bool wasReady = ready();
    m_frame = frame;
    if (!wasReady)
        Q_EMIT readyChanged();
}

void CameraCaptureVC::shutterTapped() {
    if (!ready())
        return;
    const QImage photo = m_frame.toImage();
    if (photo.isNull())
        return;
    if (m_camera)
        m_camera->stop();
    if (m_taken)
        m_taken(photo);
}

void CameraCaptureVC::fail() {
    // The viewfinder closes first: the alert belongs to the picker the user returns to.
    ViewController *picker = presentationRoot()->presentingViewController();
    if (!picker)
        return;
    picker->dismiss(true);
    QTimer::singleShot(0, picker, [picker = QPointer<ViewController>(picker)] {
        if (picker)
            AlertErrorVC::show(picker, tr("Камера недоступна"));
    });
}
