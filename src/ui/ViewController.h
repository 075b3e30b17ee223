// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/Services.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class NavigationContainer;
class TabContainer;

// How a presented screen covers the one that presents it. A panel stands beside the content of a
// window wide enough for both, which stays in use, and is a page sheet on narrower ones.
class PresentationStyle : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("enumeration only")
public:
    enum Style { FullWindow, CrossDissolve, PageSheet, FullScreen, Panel };
    Q_ENUM(Style)
};

// The keyboard commands the window hands to the screen in front.
enum class KeyCommand { Return, Escape, Left, Right, Undo, Settings };

// The base of every screen. It holds the screen's state and rules; the QML file named by
// viewSource only draws it. Lifecycle hooks run from C++ so screens behave the same with or
// without a window.
class ViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("screens are created in C++")
    Q_PROPERTY(QString typeName READ typeName CONSTANT)
    Q_PROPERTY(QUrl viewSource READ viewSource CONSTANT)
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    // What this very screen shows above itself; screens inside a container hand their
    // presentations to the outermost container, so only that one shows them.
    Q_PROPERTY(ViewController *ownPresented READ ownPresented NOTIFY presentedViewControllerChanged)
    Q_PROPERTY(int presentationStyle READ presentationStyle NOTIFY presentedViewControllerChanged)
    Q_PROPERTY(
        bool presentationAnimated READ presentationAnimated NOTIFY presentedViewControllerChanged)
    Q_PROPERTY(bool hidesTabBar READ hidesTabBar WRITE setHidesTabBar NOTIFY hidesTabBarChanged)
    Q_PROPERTY(bool navigationBarHidden READ navigationBarHidden CONSTANT)
    Q_PROPERTY(bool keepsToColumn READ keepsToColumn CONSTANT)
    // Whether another screen presents this one, which can then be closed; a screen drawn as a
    // part of another is not.
    Q_PROPERTY(bool isPresented READ isPresented NOTIFY presentingChanged)
    Q_PROPERTY(QString emptyDetailText READ emptyDetailText CONSTANT)
    Q_PROPERTY(QSize dialogSize READ dialogSize CONSTANT)
    // The text button at the right end of the navigation bar; none when the title is empty.
    Q_PROPERTY(QString rightBarButtonTitle READ rightBarButtonTitle CONSTANT)
    Q_PROPERTY(bool rightBarButtonEnabled READ rightBarButtonEnabled NOTIFY barButtonsChanged)
    // While true, an activity indicator stands in the right button's place.
    Q_PROPERTY(bool rightBarButtonBusy READ rightBarButtonBusy NOTIFY barButtonsChanged)
    // The text button at the left end of the bar, for the first screen of a stack (the others
    // show the back chevron); none when the title is empty.
    Q_PROPERTY(QString leftBarButtonTitle READ leftBarButtonTitle CONSTANT)
    // Whether the screen has come in and not left since: its view hands the keyboard to its
    // first control as this turns true.
    Q_PROPERTY(bool inView READ isVisible NOTIFY inViewChanged)

public:
    explicit ViewController(QString typeName, QObject *parent = nullptr);
    ViewController(QString typeName, Services services, QObject *parent = nullptr);
    ~ViewController() override;

    [[nodiscard]] QString typeName() const { return m_typeName; }
    /// The QML file that draws this screen; empty for screens drawn by their container alone.
    [[nodiscard]] virtual QUrl viewSource() const;
    /// Further QML files the screen's view builds parts from while it runs (each card of the
    /// feed), so they can be compiled before they are needed.
    [[nodiscard]] virtual QList<QUrl> partViewSources() const { return {}; }
    /// Whether a navigation container shows its bar above this screen.
    [[nodiscard]] virtual bool navigationBarHidden() const { return false; }
    /// Whether the screen is a form that keeps to a centred column on a wide window instead of
    /// stretching its fields and buttons across it.
    [[nodiscard]] virtual bool keepsToColumn() const { return false; }
    /// The largest the screen grows as a dialog, which a sheet is outside the compact width.
    [[nodiscard]] virtual QSize dialogSize() const { return {600, 760}; }
    /// For the first screen of a split stack: what stands beside it before anything is chosen.
    [[nodiscard]] virtual QString emptyDetailText() const { return {}; }
    [[nodiscard]] virtual QString rightBarButtonTitle() const { return {}; }
    [[nodiscard]] virtual bool rightBarButtonEnabled() const { return true; }
    Q_INVOKABLE virtual void rightBarButtonTapped() {}
    [[nodiscard]] virtual bool rightBarButtonBusy() const { return false; }
    [[nodiscard]] virtual QString leftBarButtonTitle() const { return {}; }
    Q_INVOKABLE virtual void leftBarButtonTapped() {}

    QString title() const { return m_title; }
    void setTitle(const QString &title);

    [[nodiscard]] bool isViewLoaded() const { return m_viewLoaded; }
    /// Runs viewDidLoad once, the first time anything needs the screen's view.
    void loadViewIfNeeded();
    [[nodiscard]] bool isVisible() const { return m_visible; }

    /// Called by containers and the window as the screen comes and goes.
    void beginAppearance(bool animated);
    void endAppearance();
    void beginDisappearance(bool animated);
    void endDisappearance();

    /// Keeps the screen at least as long as `view`, which draws it: a view that leaves with an
    /// animation reads its screen until the animation is over.
    Q_INVOKABLE void keepFor(QObject *view);
    /// Gives the screen up once it has left its container or presenter: it is deleted when no
    /// view draws it any more, and presents nothing meanwhile.
    void release();

    Q_INVOKABLE void present(ViewController *vc, int style, bool animated);
    Q_INVOKABLE void dismiss(bool animated);
    /// Closes the panel beside the content, if one is open: what it showed belonged to what the
    /// user has now left.
    void closePanel();
    /// The topmost screen presented on this one, or this screen itself.
    [[nodiscard]] ViewController *topmostPresented();

    /// What this screen presents, or, inside a container, what the outermost container presents.
    ViewController *presentedViewController() const { return presentationRoot()->m_presented; }
    ViewController *ownPresented() const { return m_presented; }
    ViewController *presentingViewController() const { return m_presenting; }
    bool isPresented() const { return m_presenting != nullptr; }
    int presentationStyle() const { return m_presentationStyle; }
    bool presentationAnimated() const { return m_presentationAnimated; }

    NavigationContainer *navigationContainer() const;
    TabContainer *tabBarController() const;
    void setContainer(ViewController *container) { m_container = container; }
    /// The outermost container of this screen, or the screen itself: presentations cover it
    /// whole, so a dimmed sheet over a tab also covers the tab bar.
    [[nodiscard]] ViewController *presentationRoot() const;
    ViewController *container() const { return m_container; }

    bool hidesTabBar() const { return m_hidesTabBar; }
    void setHidesTabBar(bool hides);

    /// The address of a QML view compiled into the application, by its path below src/.
    [[nodiscard]] static QUrl qmlView(const char *relativePath);

    /// Whether the screen writes "<type name> is dead" when it is destroyed.
    void setLogsDeath(bool logs) { m_logsDeath = logs; }

    /// What this screen reaches the rest of the client through.
    [[nodiscard]] const Services &services() const { return m_services; }

Q_SIGNALS:
    void titleChanged();
    void presentedViewControllerChanged();
    void presentingChanged();
    void hidesTabBarChanged();
    void barButtonsChanged();
    void viewDidLoadCalled();
    void appeared();
    void disappeared();
    void inViewChanged();

public:
    /// Handles a keyboard command while this screen is in front; false when the screen has no
    /// use for it.
    virtual bool handleKey(KeyCommand) { return false; }

    /// Whether a question the client asks on its own (a permission) may be put up while this
    /// screen is the window's root.
    [[nodiscard]] virtual bool hostsQuestions() const { return true; }

    /// The child screen that appears and disappears with this one (containers only).
    [[nodiscard]] virtual ViewController *visibleChild() const { return nullptr; }

protected:
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool) {}
    virtual void viewDidAppear() {}
    virtual void viewWillDisappear(bool) {}
    virtual void viewDidDisappear() {}

private:
    QString m_typeName;
    QString m_title;
    bool m_viewLoaded = false;
    bool m_visible = false;
    bool m_hidesTabBar = false;
    bool m_logsDeath = false;
    bool m_released = false;
    QList<QObject *> m_views;
    Services m_services;
    QPointer<ViewController> m_presented;
    QPointer<ViewController> m_presenting;
    QPointer<ViewController> m_container;
    int m_presentationStyle = PresentationStyle::FullWindow;
    bool m_presentationAnimated = false;
};
