// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QVariant>

class Services;
class ViewController;
class Window;

// What happens between the start of the process and the first screen: routing from the stored
// progress, the version check and its overlay, and a conversation opened from a notification.
namespace SceneStart {
/// Sets up the window with its first screen, opens the notification's conversation when the
/// application was started by one, and starts the version check. A review code given at start
/// is entered on the sign-in screen before the check, so its answer lands on the screen that
/// follows instead of on a sign-in screen that is already gone.
/// Installs the client's screens in `services`' factory first.
void connect(Window &window, const Services &services, const QVariant &notificationChatID = {},
             const QString &reviewCode = {});
/// The first screen for the stored token and progress value; hands the token to the network.
[[nodiscard]] ViewController *initialScreen(const Services &services);
/// Sends the version check; its verdict locks the window behind a notice for good.
void checkVersion(Window &window, const Services &services);
/// Shows the conversation of the loaded match with this chat on the main tab screen.
void openConversation(ViewController *root, const QVariant &chatID);
} // namespace SceneStart
