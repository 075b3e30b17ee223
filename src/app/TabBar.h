// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/TabContainer.h"

#include <chrono>

class ChatsVC;
class LikesVC;
class MainVC;

// The main screen of a signed-in user: the feed, the likes, the chats and the own profile. Its
// start refreshes the user's own record from the service.
class TabBar : public TabContainer {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")

public:
    static constexpr int feedTab = 0;
    static constexpr int likesTab = 1;
    static constexpr int chatTab = 2;
    static constexpr int profileTab = 3;
    /// How long after the main screen the live channel opens.
    static constexpr std::chrono::milliseconds kChannelDelay{1000};

    explicit TabBar(Services services, QObject *parent = nullptr);
    ~TabBar() override;

    /// Ctrl+, opens the settings from any section, as the profile tab's button does.
    bool handleKey(KeyCommand command) override;

protected:
    void viewDidLoad() override;

private:
    void connectMatches(MainVC *feed, LikesVC *likes, ChatsVC *chats);
    void showOwner();
};
