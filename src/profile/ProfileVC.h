// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "photos/ImageCropperVC.h"

#include <QImage>
#include <QVariant>

// The own-profile tab: the first photo inside the completion ring, the name with the age and
// the verified mark, and the gear of the settings. The ring opens the profile editor. Name,
// mark and photo follow every change of the signed-in user's record.
class ProfileVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(QString nameText READ nameText NOTIFY userChanged)
    Q_PROPERTY(bool hasCheckmark READ hasCheckmark NOTIFY userChanged)
    // The first photo (a QImage), or nothing while there is none.
    Q_PROPERTY(QVariant photo READ photo NOTIFY photoChanged)
    // The notes count, read once, when the tab is built.
    Q_PROPERTY(int superlikes READ superlikes NOTIFY userChanged)

public:
    explicit ProfileVC(ImageCropperVC::Screening screening, Services services,
                       QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("profile/ProfileView.qml"); }
    bool navigationBarHidden() const override { return true; }
    // Beside the sidebar the panel under the photo would run the whole width of the window.
    bool keepsToColumn() const override { return true; }

    QString nameText() const { return m_nameText; }
    bool hasCheckmark() const { return m_hasCheckmark; }
    QVariant photo() const { return m_photo.isNull() ? QVariant() : QVariant::fromValue(m_photo); }
    int superlikes() const { return m_superlikes; }

    Q_INVOKABLE void progressViewTapped();
    Q_INVOKABLE void settingsButtonTapped();
    /// The notes are not there yet: a tap on them does nothing.
    Q_INVOKABLE void handleTapOnSuperlikes() {}

Q_SIGNALS:
    void userChanged();
    void photoChanged();

protected:
    void viewDidLoad() override;

private:
    void onUserUpdated();
    void loadPhoto();
    void showUser();

    ImageCropperVC::Screening m_screening;
    QString m_nameText;
    bool m_hasCheckmark = false;
    QImage m_photo;
    int m_superlikes = 0;
};
