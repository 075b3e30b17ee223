// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "profile/ProfileVC.h"

#include "api/Birthday.h"
#include "media/ImageCacheManager.h"
#include "profile/EditPreviewVC.h"
#include "store/UserManager.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

#include <QDate>

ProfileVC::ProfileVC(ImageCropperVC::Screening screening, Services services, QObject *parent)
    : ViewController(QStringLiteral("ProfileVC"), services, parent)
    , m_screening(std::move(screening)) {}

void ProfileVC::viewDidLoad() {
    // The tab is built when it is first shown, by when the record has usually been fetched.
    m_superlikes = services().user().currentUser().superlikes;
    showUser();
    connect(&services().user(), &UserManager::userChanged, this, &ProfileVC::onUserUpdated);
    loadPhoto();
}

void ProfileVC::onUserUpdated() {
    loadPhoto();
    showUser();
}

void ProfileVC::loadPhoto() {
    const QStringList urls = services().user().currentUser().photoUrls;
    if (urls.isEmpty())
        return;
    // A photo that cannot be had leaves the picture that is shown.
    services().images().loadImage(
        urls.first(), [to = MainThreadReceiver(this)](const std::optional<QImage> &image) {
            if (!image)
                return;
            to.deliver([image](ProfileVC &tab) {
                tab.m_photo = *image;
                Q_EMIT tab.photoChanged();
            });
        });
}

void ProfileVC::showUser() {
    const User user = services().user().currentUser();
    m_nameText = user.name + QStringLiteral(", ") +
                 QString::number(Birthday::age(user.birthday, QDate::currentDate()));
    m_hasCheckmark = user.hasCheckmark;
    Q_EMIT userChanged();
}

void ProfileVC::progressViewTapped() {
    present(new EditPreviewVC(m_screening, services()), PresentationStyle::PageSheet, true);
}

void ProfileVC::settingsButtonTapped() {
    present(new NavigationContainer(services().screens().createSettings(true, services())),
            PresentationStyle::PageSheet, true);
}
