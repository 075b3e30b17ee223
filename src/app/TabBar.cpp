#include "TabBar.h"

TabBar::TabBar(QObject *parent)
    : ViewController(QStringLiteral("TabBar"), parent) {}

QUrl TabBar::viewSource() const {
    return qmlView("app/TabBarView.qml");
}

void TabBar::setTabs(const QList<ViewController *> &tabs) {
    m_tabs = tabs;
    m_badges = QStringList(tabs.size(), QString());
    for (ViewController *tab : tabs) {
        tab->setParent(this);
        tab->setContainer(this);
    }
    m_selected = 0;
    Q_EMIT tabsChanged();
    Q_EMIT badgesChanged();
    Q_EMIT selectedIndexChanged();
}

ViewController *TabBar::selectedTab() const {
    return m_tabs.value(m_selected, nullptr);
}

void TabBar::setSelectedIndex(int index) {
    if (index < 0 || index >= m_tabs.size() || index == m_selected)
        return;
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
    if (onScreen) {
        leaving->endDisappearance();
        arriving->endAppearance();
    }
}

void TabBar::setBadge(int index, const QString &text) {
    if (index < 0 || index >= m_badges.size() || m_badges.at(index) == text)
        return;
    m_badges[index] = text;
    Q_EMIT badgesChanged();
}

QList<QObject *> TabBar::tabObjects() const {
    return {m_tabs.cbegin(), m_tabs.cend()};
}
