// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "profile/EditPreviewVC.h"

#include "api/Endpoints.h"
#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "profile/EditVC.h"
#include "profile/PreviewVC.h"
#include "store/BioScreening.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/KeyActions.h"
#include "ui/MainThreadReceiver.h"

#include <QPointer>

namespace {
QList<QByteArray> filled(const QList<QByteArray> &entries) {
    QList<QByteArray> photos;
    for (const QByteArray &entry : entries) {
        if (!entry.isEmpty())
            photos.append(entry);
    }
    return photos;
}
} // namespace

EditPreviewVC::EditPreviewVC(ImageCropperVC::Screening screening, Services services,
                             QObject *parent)
    : ViewController(QStringLiteral("EditPreviewVC"), services, parent)
    , m_edit(new EditVC(std::move(screening), this->services(), this))
    , m_preview(new PreviewVC(m_edit->user(), this->services(), this)) {
    m_edit->setContainer(this);
    m_preview->setContainer(this);
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(250);
    connect(&m_refresh, &QTimer::timeout, this, &EditPreviewVC::refreshPreview);
    connect(m_edit, &EditVC::edited, this, [this] {
        if (m_sideBySide)
            m_refresh.start();
    });
}

void EditPreviewVC::setSideBySide(bool sideBySide) {
    if (sideBySide == m_sideBySide)
        return;
    m_sideBySide = sideBySide;
    if (sideBySide)
        refreshPreview();
    Q_EMIT sideBySideChanged();
}

void EditPreviewVC::refreshPreview() {
    const QList<QByteArray> photos = filled(m_edit->selectedImages());
    if (photos != m_shownPhotos) {
        QList<QImage> images;
        for (const QByteArray &photo : photos)
            images.append(ImageDecoder::decode(photo));
        m_preview->setCardImages(images);
        m_shownPhotos = photos;
    }
    const EditVC::Texts texts = m_edit->texts();
    m_preview->setCardInfoTexts(PreviewVC::infoTexts(texts.bio, texts.job, texts.edu, texts.city));
}

bool EditPreviewVC::handleKey(KeyCommand command) {
    return runKeyAction(command, {{KeyCommand::Escape, [this] { cancelTapped(); }}});
}

void EditPreviewVC::editTapped() {
    if (!m_previewing)
        return;
    m_previewing = false;
    Q_EMIT previewingChanged();
}

void EditPreviewVC::previewTapped() {
    refreshPreview();
    if (m_previewing)
        return;
    m_previewing = true;
    Q_EMIT previewingChanged();
}

void EditPreviewVC::cancelTapped() {
    dismiss(true);
}

void EditPreviewVC::doneTapped() {
    if (m_saving || m_pending > 0)
        return;
    const std::optional<QString> message = BioScreening::message(m_edit->texts().bio);
    if (!message) {
        save();
        return;
    }
    QPointer<EditPreviewVC> weak = this;
    auto *alert = new AlertErrorVC(tr("Изменить текст"), true, [weak] {
        if (weak)
            weak->save();
    });
    alert->setMessage(*message);
    present(alert, PresentationStyle::CrossDissolve, true);
}

void EditPreviewVC::save() {
    const QList<QByteArray> photos = filled(m_edit->selectedImages());
    if (const std::optional<QString> refusal = PhotoGrid::uploadRefusal(photos)) {
        AlertErrorVC::show(this, *refusal);
        return;
    }
    m_edit->endEditing();
    // Compared with the record as it is now, not as the editor found it: a save that partly
    // failed has already put the part that arrived into it.
    const User current = services().user().currentUser();
    const bool textsChanged =
        m_edit->texts() != EditVC::Texts{current.bio, current.job, current.edu, current.city};
    const bool photosChanged =
        photos != filled(EditVC::cachedPhotos(current.photoUrls, services().images()));
    if (!textsChanged && !photosChanged) {
        dismiss(true);
        return;
    }
    setSaving(true);
    m_failed = false;
    m_pending = int(textsChanged) + int(photosChanged);
    if (textsChanged)
        sendTexts();
    if (photosChanged)
        sendPhotos(photos);
}

void EditPreviewVC::sendTexts() {
    const EditVC::Texts texts = m_edit->texts();
    // The record takes the texts as soon as the service has them, even if the editor is gone.
    Endpoints::updateBio(
        texts.bio, texts.job, texts.edu, texts.city,
        [texts, services = services(),
         to = MainThreadReceiver(this)](const Result<EmptyResponse> &result) {
            if (result.ok()) {
                UserManager &store = services.user();
                store.update([&](User &user) { user.bio = texts.bio; });
                store.update([&](User &user) { user.job = texts.job; });
                store.update([&](User &user) { user.edu = texts.edu; });
                store.update([&](User &user) { user.city = texts.city; });
            }
            to.post([result](EditPreviewVC &editor) {
                if (!result.ok())
                    editor.failed(result.error().reason);
                editor.left();
            });
        },
        services().network());
}

void EditPreviewVC::sendPhotos(const QList<QByteArray> &photos) {
    Endpoints::uploadImages(
        photos,
        [services = services(),
         to = MainThreadReceiver(this)](const Result<ImagesUploadResponse> &result) {
            if (result.ok()) {
                const QStringList urls = result.value().photoURLs;
                services.user().update([&urls](User &user) { user.photoUrls = urls; });
                // The new addresses are fetched into the cache at once, so the tab and the next
                // editor find the photos there.
                QMetaObject::invokeMethod(qApp, [services, urls] {
                    for (const QString &url : urls)
                        services.images().loadImage(url, [](const std::optional<QImage> &) {});
                    services.user().announceChange();
                });
            }
            to.post([result](EditPreviewVC &editor) {
                if (!result.ok())
                    editor.failed(result.error().reason);
                editor.left();
            });
        },
        services().network());
}

void EditPreviewVC::failed(const QString &reason) {
    m_failed = true;
    setSaving(false);
    AlertErrorVC::show(this, reason);
}

void EditPreviewVC::left() {
    if (--m_pending > 0)
        return;
    setSaving(false);
    if (!m_failed)
        dismiss(true);
}

void EditPreviewVC::setSaving(bool saving) {
    m_edit->setFrozen(saving);
    if (saving == m_saving)
        return;
    m_saving = saving;
    Q_EMIT savingChanged();
}
