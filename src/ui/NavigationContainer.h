// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

#include <QList>
#include <QQmlListProperty>

// A navigation stack of screens. The view animates pushes and pops; the stack itself changes at
// once, so rules that read it never wait for an animation.
class NavigationContainer : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(ViewController *topViewController READ topViewController NOTIFY stackChanged)
    Q_PROPERTY(int depth READ depth NOTIFY stackChanged)
    Q_PROPERTY(QQmlListProperty<ViewController> stackObjects READ stackList NOTIFY stackChanged)

public:
    explicit NavigationContainer(ViewController *root = nullptr, QObject *parent = nullptr);

    QUrl viewSource() const override;

    /// A stack whose first screen is a list of what the others show: on a wider window the
    /// list stays beside them. Set before the stack is drawn.
    void setSplits(bool splits) { m_splits = splits; }

    Q_INVOKABLE void push(ViewController *vc, bool animated);
    Q_INVOKABLE void pop(bool animated);
    /// Replaces the whole stack, the last screen on top.
    void setStack(const QList<ViewController *> &stack, bool animated);

    [[nodiscard]] QList<ViewController *> stack() const { return m_stack; }
    [[nodiscard]] ViewController *topViewController() const;
    [[nodiscard]] int depth() const { return int(m_stack.size()); }
    QQmlListProperty<ViewController> stackList() { return {this, &m_stack}; }

Q_SIGNALS:
    void stackChanged();
    /// For the view: how to animate the change that just happened.
    void pushed(ViewController *vc, bool animated);
    void popped(bool animated);
    void replaced(bool animated);

public:
    ViewController *visibleChild() const override { return topViewController(); }

private:
    void adopt(ViewController *vc);

    QList<ViewController *> m_stack;
    bool m_splits = false;
};
