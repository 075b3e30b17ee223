// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "photos/ImageCropperVC.h"
#include "profile/EditVC.h"
#include "profile/PreviewVC.h"

#include <QTimer>
#include <optional>

// The profile editor: "Отмена" and "Готово" around the switch between the editing list and the
// preview of the card. "Готово" screens the text about oneself, then sends only what differs
// from the signed-in user's record: the texts, the photos, or both at once. A failure keeps the
// editor open with every edit, and the part that did arrive is already in the record, so the
// next "Готово" sends only what still differs.
class EditPreviewVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the own-profile tab")
    Q_PROPERTY(EditVC *editVC READ editVC CONSTANT)
    Q_PROPERTY(PreviewVC *previewVC READ previewVC CONSTANT)
    Q_PROPERTY(bool previewing READ isPreviewing NOTIFY previewingChanged)
    Q_PROPERTY(bool saving READ isSaving NOTIFY savingChanged)
    // On a wide window the editing list and the preview stand side by side, the preview
    // following every edit.
    Q_PROPERTY(bool sideBySide READ isSideBySide WRITE setSideBySide NOTIFY sideBySideChanged)

public:
    EditPreviewVC(ImageCropperVC::Screening screening, Services services,
                  QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("profile/EditPreviewView.qml"); }
    QSize dialogSize() const override { return {1120, 880}; }

    EditVC *editVC() const { return m_edit; }
    PreviewVC *previewVC() const { return m_preview; }
    bool isPreviewing() const { return m_previewing; }
    bool isSaving() const { return m_saving; }
    bool isSideBySide() const { return m_sideBySide; }
    void setSideBySide(bool sideBySide);

    Q_INVOKABLE void editTapped();
    Q_INVOKABLE void previewTapped();
    Q_INVOKABLE void cancelTapped();
    Q_INVOKABLE void doneTapped();
    bool handleKey(KeyCommand command) override;

Q_SIGNALS:
    void previewingChanged();
    void savingChanged();
    void sideBySideChanged();

private:
    /// Shows the edits in the preview's card.
    void refreshPreview();
    void save();
    void sendTexts();
    void sendPhotos(const QList<QByteArray> &photos);
    void failed(const QString &reason);
    void left();
    void setSaving(bool saving);

    EditVC *m_edit;
    PreviewVC *m_preview;
    bool m_previewing = false;
    bool m_saving = false;
    bool m_sideBySide = false;
    // Edits come key by key; the card is made again once typing pauses.
    QTimer m_refresh;
    // The photos the preview shows, once it was refreshed: decoding them again is the slow part
    // of a refresh.
    std::optional<QList<QByteArray>> m_shownPhotos;
    // The calls of one save still out, and whether one of them failed.
    int m_pending = 0;
    bool m_failed = false;
};
