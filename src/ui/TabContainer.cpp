// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/TabContainer.h"

#include "ui/NavigationContainer.h"

TabContainer::TabContainer(QObject *parent)
    : ViewController(QStringLiteral("TabContainer"), parent) {}

TabContainer::TabContainer(QString typeName, Services services, QObject *parent)
    : ViewController(std::move(typeName), std::move(services), parent) {}

QUrl TabContainer::viewSource() const {
    return qmlView("ui/TabContainerView.qml");
}

void TabContainer::setTabs(const QList<ViewController *> &tabs, const QStringList &icons) {
    m_tabs = tabs;
    m_icons = icons;
    m_icons.resize(tabs.size());
    m_badges = QStringList(tabs.size(), QString());
    for (ViewController *tab : tabs) {
        tab->setParent(this);
        tab->setContainer(this);
        watchBarRequests(tab);
    }
    m_selected = 0;
    Q_EMIT tabsChanged();
    Q_EMIT badgesChanged();
    Q_EMIT selectedIndexChanged();
    Q_EMIT barHiddenChanged();
}

void TabContainer::watchBarRequests(ViewController *tab) {
    connect(tab, &ViewController::hidesTabBarChanged, this, &TabContainer::barHiddenChanged);
    auto *nav = qobject_cast<NavigationContainer *>(tab);
    if (!nav)
        return;
    // Screens pushed later say whether they hide the bar; follow the stack's top.
    connect(nav, &NavigationContainer::stackChanged, this, [this, nav] {
        for (ViewController *vc : nav->stack())
            connect(vc, &ViewController::hidesTabBarChanged, this, &TabContainer::barHiddenChanged,
                    Qt::UniqueConnection);
        Q_EMIT barHiddenChanged();
    });
}

bool TabContainer::barHidden() const {
    for (ViewController *vc = selectedTab(); vc; vc = vc->visibleChild()) {
        if (vc->hidesTabBar())
            return true;
    }
    return false;
}

ViewController *TabContainer::selectedTab() const {
    return m_tabs.value(m_selected, nullptr);
}

void TabContainer::setSelectedIndex(int index) {
    if (index < 0 || index >= m_tabs.size() || index == m_selected)
        return;
    closePanel();
    ViewController *leaving = selectedTab();
    ViewController *arriving = m_tabs.at(index);
    const bool onScreen = isVisible();
    if (onScreen) {
        leaving->beginDisappearance(false);
        arriving->beginAppearance(false);
    } else {
        arriving->loadViewIfNeeded();
    }
    m_selected = index;
    Q_EMIT selectedIndexChanged();
    Q_EMIT barHiddenChanged();
    if (onScreen) {
        leaving->endDisappearance();
        arriving->endAppearance();
    }
}

void TabContainer::setBadge(int index, const QString &text) {
    if (index < 0 || index >= m_badges.size() || m_badges.at(index) == text)
        return;
    m_badges[index] = text;
    Q_EMIT badgesChanged();
}

void TabContainer::setBadge(const ViewController *screen, const QString &text) {
    for (const ViewController *c = screen; c; c = c->container()) {
        if (c->container() != this)
            continue;
        for (int i = 0; i < m_tabs.size(); ++i)
            if (m_tabs.at(i) == c)
                setBadge(i, text);
        return;
    }
}

void TabContainer::setOwner(const QString &name, const QString &photo) {
    if (name == m_ownerName && photo == m_ownerPhoto)
        return;
    m_ownerName = name;
    m_ownerPhoto = photo;
    Q_EMIT ownerChanged();
}
