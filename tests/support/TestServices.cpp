// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TestServices.h"

#include "StandInVC.h"
#include "ui/ScreenFactory.h"

namespace {
// Every screen opens as a stand-in with its class name until the test installs the real one,
// so a test sees where the client went without building the screens it does not look at.
void installStandIns(ScreenFactory &screens) {
    using Screen = ScreenFactory::Screen;
    for (int s = int(Screen::Start); s <= int(Screen::UserInfo); ++s) {
        const QString name = ScreenFactory::typeName(Screen(s));
        screens.install(Screen(s), [name](const Services &) { return new StandInVC(name); });
    }
    screens.installChatDetails([](const Match &, const Services &) {
        return new StandInVC(ScreenFactory::typeName(Screen::ChatDetails));
    });
    screens.installUserInfo([](const CardModel &, ProfileAnswers, bool, const Services &) {
        return new StandInVC(ScreenFactory::typeName(Screen::UserInfo));
    });
    screens.installSettings([](bool, const Services &) {
        return new StandInVC(ScreenFactory::typeName(Screen::Settings));
    });
}
} // namespace

Services TestServices::services() const {
    if (!m_owned) {
        m_owned = std::make_unique<OwnedServices>();
        installStandIns(m_owned->services().screens());
    }
    return m_owned->services();
}
