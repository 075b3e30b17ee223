// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/Window.h"

#include "ui/KeyTable.h"
#include "ui/NavigationContainer.h"
#include "ui/ShortcutsVC.h"
#include "ui/TabContainer.h"
#include "ui/ViewController.h"

namespace {
QPointer<Window> s_current;
}

Window::Window(QObject *parent)
    : QObject(parent) {
    if (!s_current)
        s_current = this;
}

Window::~Window() {
    if (m_root)
        m_root->beginDisappearance(false);
    if (m_lockNotice)
        m_lockNotice->beginDisappearance(false);
}

Window *Window::current() {
    return s_current;
}

void Window::setRoot(ViewController *root, Transition transition) {
    if (!root || root == m_root)
        return;
    QPointer<ViewController> previous = m_root;
    const bool animated = transition != NoTransition;
    if (previous)
        previous->beginDisappearance(animated);
    root->setParent(this);
    root->beginAppearance(animated);
    m_root = root;
    m_transition = transition;
    Q_EMIT rootChanged();
    if (previous) {
        previous->endDisappearance();
        previous->release();
    }
    root->endAppearance();
}

void Window::lock(ViewController *notice) {
    if (!notice)
        return;
    if (m_lockNotice) {
        delete notice;
        return;
    }
    notice->setParent(this);
    notice->beginAppearance(true);
    m_lockNotice = notice;
    Q_EMIT lockNoticeChanged();
    notice->endAppearance();
}

ViewController *Window::frontScreen() const {
    if (m_lockNotice)
        return m_lockNotice;
    ViewController *vc = m_root;
    while (vc) {
        if (ViewController *presented = vc->presentedViewController())
            vc = presented;
        else if (ViewController *child = vc->visibleChild())
            vc = child;
        else
            break;
    }
    return vc;
}

namespace {
// False when the screen has no use for the key.
bool sendCommand(ViewController *front, KeyCommand command) {
    return front && front->handleKey(command);
}
} // namespace

void Window::returnPressed() const {
    sendCommand(frontScreen(), KeyCommand::Return);
}

void Window::escapePressed() const {
    ViewController *front = frontScreen();
    if (!front || sendCommand(front, KeyCommand::Escape))
        return;
    // Escape steps back in a navigation stack, as the bar's back button does.
    NavigationContainer *navigation = front->navigationContainer();
    if (navigation && navigation->depth() > 1 && navigation->topViewController() == front) {
        navigation->pop(true);
        return;
    }
    // A sheet closes with Escape, as sheets do across the desktop; a sheet that must stay takes
    // the key itself.
    ViewController *sheet = front->presentationRoot();
    const ViewController *presenter = sheet->presentingViewController();
    if (presenter && (presenter->presentationStyle() == PresentationStyle::PageSheet ||
                      presenter->presentationStyle() == PresentationStyle::Panel))
        sheet->dismiss(true);
}

void Window::leftPressed() const {
    sendCommand(frontScreen(), KeyCommand::Left);
}

void Window::rightPressed() const {
    sendCommand(frontScreen(), KeyCommand::Right);
}

void Window::undoPressed() const {
    sendCommand(frontScreen(), KeyCommand::Undo);
}

namespace {
// The root screen when it is the one on view: no lock notice, nothing presented over it.
ViewController *uncoveredRoot(const Window &window) {
    ViewController *root = window.root();
    if (window.lockNotice() || !root)
        return nullptr;
    // A panel beside the content leaves the content in use.
    if (root->presentedViewController() && root->presentationStyle() != PresentationStyle::Panel)
        return nullptr;
    return root;
}
} // namespace

void Window::settingsPressed() const {
    sendCommand(uncoveredRoot(*this), KeyCommand::Settings);
}

void Window::sectionPressed(int index) const {
    auto *tabs = qobject_cast<TabContainer *>(uncoveredRoot(*this));
    if (tabs && index >= 0 && index < tabs->tabs().size())
        tabs->setSelectedIndex(index);
}

void Window::helpPressed() {
    if (m_lockNotice || !m_root)
        return;
    if (ViewController *front = frontScreen(); qobject_cast<ShortcutsVC *>(front)) {
        front->dismiss(true);
        return;
    }
    m_root->present(new ShortcutsVC, PresentationStyle::PageSheet, true);
}

void Window::commandPressed(int command) {
    switch (KeyTable::Command(command)) {
    case KeyTable::Return:
        returnPressed();
        break;
    case KeyTable::Escape:
        escapePressed();
        break;
    case KeyTable::Left:
        leftPressed();
        break;
    case KeyTable::Right:
        rightPressed();
        break;
    case KeyTable::Undo:
        undoPressed();
        break;
    case KeyTable::Settings:
        settingsPressed();
        break;
    case KeyTable::Feed:
    case KeyTable::Likes:
    case KeyTable::Chats:
    case KeyTable::Profile:
        sectionPressed(command - KeyTable::Feed);
        break;
    case KeyTable::Help:
        helpPressed();
        break;
    case KeyTable::NoCommand:
    case KeyTable::FullScreen:
    case KeyTable::Quit:
    case KeyTable::Save:
        break;
    }
}
