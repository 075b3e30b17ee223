// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include "ui/ViewController.h"

// The application window as the screens see it: one root screen and the smallest size the
// window may take. The QML host draws whatever root it holds.
class Window : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(AppWindow)
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(ViewController *root READ root NOTIFY rootChanged)
    Q_PROPERTY(int transition READ transition NOTIFY rootChanged)
    Q_PROPERTY(ViewController *lockNotice READ lockNotice NOTIFY lockNoticeChanged)
    Q_PROPERTY(int minimumWidth READ minimumWidth CONSTANT)
    Q_PROPERTY(int minimumHeight READ minimumHeight CONSTANT)

public:
    enum Transition { NoTransition, FlipFromLeft, FlipFromRight };
    Q_ENUM(Transition)

    explicit Window(QObject *parent = nullptr);
    ~Window() override;

    /// The window of the first connected scene, or null before there is one.
    static Window *current();

    ViewController *root() const { return m_root; }
    /// Installs a new root; the previous one disappears and is destroyed.
    void setRoot(ViewController *root, Transition transition = NoTransition);
    int transition() const { return m_transition; }

    /// Covers the window with a notice for the rest of the process: it is drawn above the root
    /// and all it presents, stays through every later root, takes the keys, and nothing is put
    /// up over it. The first notice holds; later ones are dropped.
    void lock(ViewController *notice);
    [[nodiscard]] ViewController *lockNotice() const { return m_lockNotice; }

    /// The screen the user is looking at: the lock notice, or else the top of the root's
    /// containers and presentations.
    [[nodiscard]] ViewController *frontScreen() const;
    /// Keyboard commands go to the front screen, which handles those it has a slot for.
    void returnPressed() const;
    void escapePressed() const;
    void leftPressed() const;
    void rightPressed() const;
    void undoPressed() const;
    /// Opens the settings over the main screen, unless something already lies over it.
    void settingsPressed() const;
    /// Shows the main screen's section at `index` (the tab bar's order) when nothing lies over it.
    void sectionPressed(int index) const;
    /// Opens the list of keyboard shortcuts over whatever is on view, or closes it again.
    void helpPressed();
    /// A command of the key table (KeyTable::Command): the window's shortcuts all come here.
    Q_INVOKABLE void commandPressed(int command);

    // Small enough for a narrow window beside other work; the compact layouts fit it.
    static constexpr int minimumWidth() { return 360; }
    static constexpr int minimumHeight() { return 600; }

Q_SIGNALS:
    void rootChanged();
    void lockNoticeChanged();

private:
    QPointer<ViewController> m_root;
    Transition m_transition = NoTransition;
    QPointer<ViewController> m_lockNotice;
};
