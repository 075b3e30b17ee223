// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/CameraCaptureVC.h"

#include "ui/AlertErrorVC.h"
#include "ui/KeyActions.h"

#include <QPointer>
#include <QTimer>

CameraCaptureVC::CameraCaptureVC(QByteArray camera, Completion taken, Services services,
                                 QObject *parent)
    : ViewController(QStringLiteral("CameraCaptureVC"), services, parent)
    , m_camera(std::move(camera))
    , m_taken(std::move(taken)) {
    setTitle(tr("Камера"));
}

bool CameraCaptureVC::handleKey(KeyCommand command) {
    return runKeyAction(command, {{KeyCommand::Return, [this] { shutterTapped(); }}});
}

void CameraCaptureVC::viewDidLoad() {
    if (m_camera.isEmpty())
        return;
    Cameras *cameras = Cameras::shared();
    if (!cameras) {
        QTimer::singleShot(0, this, &CameraCaptureVC::fail);
        return;
    }
    m_stream = cameras->open(
        m_camera, [this](const QImage &frame) { showFrame(frame); }, [this] { fail(); });
}

void CameraCaptureVC::showFrame(const QImage &frame) {
    if (frame.isNull())
        return;
    m_frame = frame;
    Q_EMIT frameChanged();
}

void CameraCaptureVC::shutterTapped() {
    if (!ready())
        return;
    m_stream.reset();
    if (m_taken)
        m_taken(m_frame);
}

void CameraCaptureVC::fail() {
    m_stream.reset();
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
