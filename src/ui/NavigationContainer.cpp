// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/NavigationContainer.h"

NavigationContainer::NavigationContainer(ViewController *root, QObject *parent)
    : ViewController(QStringLiteral("NavigationContainer"), parent) {
    if (root) {
        adopt(root);
        m_stack.append(root);
    }
}

QUrl NavigationContainer::viewSource() const {
    return m_splits ? qmlView("ui/SplitNavigationView.qml") : qmlView("ui/NavigationView.qml");
}

void NavigationContainer::adopt(ViewController *vc) {
    vc->setParent(this);
    vc->setContainer(this);
}

ViewController *NavigationContainer::topViewController() const {
    return m_stack.isEmpty() ? nullptr : m_stack.last();
}

void NavigationContainer::push(ViewController *vc, bool animated) {
    if (!vc || m_stack.contains(vc))
        return;
    ViewController *previous = topViewController();
    adopt(vc);
    const bool onScreen = isVisible();
    if (onScreen && previous)
        previous->beginDisappearance(animated);
    if (onScreen)
        vc->beginAppearance(animated);
    else
        vc->loadViewIfNeeded();
    m_stack.append(vc);
    Q_EMIT stackChanged();
    Q_EMIT pushed(vc, animated);
    if (onScreen) {
        if (previous)
            previous->endDisappearance();
        vc->endAppearance();
    }
}

void NavigationContainer::pop(bool animated) {
    if (m_stack.size() < 2)
        return;
    closePanel();
    ViewController *leaving = m_stack.takeLast();
    ViewController *revealed = topViewController();
    const bool onScreen = isVisible();
    if (onScreen) {
        leaving->beginDisappearance(animated);
        revealed->beginAppearance(animated);
    }
    Q_EMIT stackChanged();
    Q_EMIT popped(animated);
    if (onScreen) {
        leaving->endDisappearance();
        revealed->endAppearance();
    }
    leaving->setContainer(nullptr);
    leaving->release();
}

void NavigationContainer::setStack(const QList<ViewController *> &stack, bool animated) {
    if (stack.isEmpty())
        return;
    closePanel();
    ViewController *previous = topViewController();
    const bool onScreen = isVisible();
    if (onScreen && previous && !stack.contains(previous))
        previous->beginDisappearance(animated);
    const QList<ViewController *> old = m_stack;
    m_stack = stack;
    for (ViewController *vc : stack)
        adopt(vc);
    if (onScreen)
        stack.last()->beginAppearance(animated);
    else
        stack.last()->loadViewIfNeeded();
    Q_EMIT stackChanged();
    Q_EMIT replaced(animated);
    if (onScreen) {
        if (previous && !stack.contains(previous))
            previous->endDisappearance();
        stack.last()->endAppearance();
    }
    for (ViewController *vc : old) {
        if (!stack.contains(vc)) {
            vc->setContainer(nullptr);
            vc->release();
        }
    }
}
