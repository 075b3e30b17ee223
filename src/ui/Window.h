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
    Q_INVOKABLE void returnPressed() const;
    Q_INVOKABLE void escapePressed() const;
    Q_INVOKABLE void leftPressed() const;
    Q_INVOKABLE void rightPressed() const;
    Q_INVOKABLE void undoPressed() const;

    static constexpr int minimumWidth() { return 700; }
    static constexpr int minimumHeight() { return 700; }

Q_SIGNALS:
    void rootChanged();
    void lockNoticeChanged();

private:
    QPointer<ViewController> m_root;
    Transition m_transition = NoTransition;
    QPointer<ViewController> m_lockNotice;
};
