// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TourStops.h"
#include "media/ImageCacheManager.h"
#include "profile/EditPreviewVC.h"
#include "store/UserManager.h"
#include "ui/ScreenFactory.h"
#include "ui/Services.h"

#include <QBuffer>
#include <QFile>

namespace {
// The signed-in user with two photos the image cache already holds, so the stops never fetch.
void signInTourUser(const Services &services) {
    User user = services.user().currentUser();
    user.name = QStringLiteral("Ева");
    user.birthday = QStringLiteral("15061995");
    user.bio = QStringLiteral("Люблю горы, кофе и длинные прогулки по набережной.");
    user.job = QStringLiteral("Дизайнер");
    user.city = QStringLiteral("Москва");
    user.hasCheckmark = true;
    user.photoUrls = {QStringLiteral("https://photos.zirel.example/tour/1.jpg"),
                      QStringLiteral("https://photos.zirel.example/tour/2.jpg")};
    services.user().setCurrentUser(user);
    for (int i = 0; i < user.photoUrls.size(); ++i) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // Larger than the avatar at twice the density, so the 2x tour shows no upscaled photo.
        portrait({600 + 80 * i, 800}).save(&buffer, "JPEG");
        if (const std::optional<QString> path = services.images().filePath(user.photoUrls.at(i))) {
            QFile file(*path);
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
    }
}

ViewController *profileTab(const Services &services) {
    signInTourUser(services);
    return services.screens().create(ScreenFactory::Screen::Profile, services);
}

EditPreviewVC *editorOver(ViewController *tab) {
    auto *editor = new EditPreviewVC({}, tab->services());
    tab->present(editor, PresentationStyle::PageSheet, false);
    return editor;
}
} // namespace

QList<TourStop> profileStops() {
    return {
        {QStringLiteral("profile-tab"),
         [](const Services &services) { return profileTab(services); }},
        {QStringLiteral("profile-editor"),
         [](const Services &services) {
             ViewController *tab = profileTab(services);
             editorOver(tab);
             return tab;
         }},
        {QStringLiteral("profile-preview"),
         [](const Services &services) {
             ViewController *tab = profileTab(services);
             editorOver(tab)->previewTapped();
             return tab;
         }},
    };
}
