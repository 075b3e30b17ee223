// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/ViewController.h"

#include "platform/DiagnosticLog.h"
#include "ui/NavigationContainer.h"
#include "ui/TabContainer.h"

ViewController::ViewController(QString typeName, QObject *parent)
    : ViewController(std::move(typeName), Services(), parent) {}

ViewController::ViewController(QString typeName, Services services, QObject *parent)
    : QObject(parent)
    , m_typeName(std::move(typeName))
    , m_services(services) {}

ViewController::~ViewController() {
    if (m_logsDeath)
        qCInfo(lcScreens).noquote() << m_typeName + QStringLiteral(" is dead");
}

QUrl ViewController::viewSource() const {
    return {};
}

QUrl ViewController::qmlView(const char *relativePath) {
    // Each folder is a QML module, Zirel.Folder, whose files sit under its URI's folder.
    const QString path = QLatin1String(relativePath);
    const qsizetype folderEnd = path.indexOf(u'/');
    return QUrl(QStringLiteral("qrc:/Zirel/") + path.first(1).toUpper() + path.mid(1, folderEnd) +
                path);
}

void ViewController::setTitle(const QString &title) {
    if (title == m_title)
        return;
    m_title = title;
    Q_EMIT titleChanged();
}

void ViewController::loadViewIfNeeded() {
    if (m_viewLoaded)
        return;
    m_viewLoaded = true;
    viewDidLoad();
    Q_EMIT viewDidLoadCalled();
    if (ViewController *child = visibleChild())
        child->loadViewIfNeeded();
}

void ViewController::beginAppearance(bool animated) {
    loadViewIfNeeded();
    viewWillAppear(animated);
    if (ViewController *child = visibleChild())
        child->beginAppearance(animated);
}

void ViewController::endAppearance() {
    const bool arrived = !m_visible;
    m_visible = true;
    viewDidAppear();
    Q_EMIT appeared();
    if (arrived)
        Q_EMIT inViewChanged();
    if (ViewController *child = visibleChild())
        child->endAppearance();
}

void ViewController::beginDisappearance(bool animated) {
    viewWillDisappear(animated);
    if (ViewController *child = visibleChild())
        child->beginDisappearance(animated);
}

void ViewController::endDisappearance() {
    const bool left = m_visible;
    m_visible = false;
    viewDidDisappear();
    Q_EMIT disappeared();
    if (left)
        Q_EMIT inViewChanged();
    if (ViewController *child = visibleChild())
        child->endDisappearance();
}

void ViewController::keepFor(QObject *view) {
    if (!view || m_views.contains(view))
        return;
    m_views.append(view);
    connect(view, &QObject::destroyed, this, [this, view] {
        m_views.removeOne(view);
        if (m_released && m_views.isEmpty())
            deleteLater();
    });
}

void ViewController::release() {
    m_released = true;
    if (m_views.isEmpty())
        deleteLater();
}

void ViewController::present(ViewController *vc, int style, bool animated) {
    if (!vc)
        return;
    // A screen on its way out has nobody to show anything to; an answer it was still waiting
    // for may try.
    if (m_released) {
        if (!vc->parent())
            vc->deleteLater();
        return;
    }
    if (ViewController *root = presentationRoot(); root != this) {
        root->present(vc, style, animated);
        return;
    }
    // A panel makes way for the next one instead of opening over it.
    if (style == PresentationStyle::Panel && m_presented &&
        m_presentationStyle == PresentationStyle::Panel)
        dismiss(false);
    // A screen presents on whatever is already on top of it, as a stack of sheets would.
    if (m_presented) {
        m_presented->present(vc, style, animated);
        return;
    }
    vc->setParent(this);
    vc->m_presenting = this;
    m_presented = vc;
    m_presentationStyle = style;
    m_presentationAnimated = animated;
    vc->beginAppearance(animated);
    Q_EMIT presentedViewControllerChanged();
    Q_EMIT vc->presentingChanged();
    vc->endAppearance();
}

void ViewController::dismiss(bool animated) {
    if (ViewController *root = presentationRoot(); root != this) {
        root->dismiss(animated);
        return;
    }
    // Dismissing a presenter closes what it presents; a presented screen closes itself.
    ViewController *target = m_presented ? m_presented.data() : this;
    ViewController *presenter = target->m_presenting;
    if (!presenter)
        return;
    if (target->m_presented)
        target->dismiss(false);
    target->beginDisappearance(animated);
    presenter->m_presented = nullptr;
    presenter->m_presentationAnimated = animated;
    Q_EMIT presenter->presentedViewControllerChanged();
    target->endDisappearance();
    target->m_presenting = nullptr;
    Q_EMIT target->presentingChanged();
    target->release();
}

void ViewController::closePanel() {
    ViewController *root = presentationRoot();
    if (root->m_presented && root->m_presentationStyle == PresentationStyle::Panel)
        root->dismiss(false);
}

ViewController *ViewController::presentationRoot() const {
    const ViewController *root = this;
    while (root->m_container)
        root = root->m_container;
    return const_cast<ViewController *>(root);
}

ViewController *ViewController::topmostPresented() {
    ViewController *vc = this;
    while (vc->m_presented)
        vc = vc->m_presented;
    return vc;
}

NavigationContainer *ViewController::navigationContainer() const {
    for (ViewController *c = m_container; c; c = c->m_container)
        if (auto *nav = qobject_cast<NavigationContainer *>(c))
            return nav;
    return nullptr;
}

TabContainer *ViewController::tabBarController() const {
    for (ViewController *c = m_container; c; c = c->m_container)
        if (auto *tabs = qobject_cast<TabContainer *>(c))
            return tabs;
    return nullptr;
}

void ViewController::setHidesTabBar(bool hides) {
    if (hides == m_hidesTabBar)
        return;
    m_hidesTabBar = hides;
    Q_EMIT hidesTabBarChanged();
}
