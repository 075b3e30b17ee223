// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

#include <QList>
#include <QQmlListProperty>

// A container of tabs: one screen per tab, the selected one on screen, a title, a symbol and a
// badge text each.
class TabContainer : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(
        int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(QQmlListProperty<ViewController> tabs READ tabList NOTIFY tabsChanged)
    Q_PROPERTY(QStringList icons READ icons NOTIFY tabsChanged)
    Q_PROPERTY(QStringList badges READ badges NOTIFY badgesChanged)
    Q_PROPERTY(bool barHidden READ barHidden NOTIFY barHiddenChanged)
    // Whose sections these are, shown atop the sidebar of a wider window.
    Q_PROPERTY(QString ownerName READ ownerName NOTIFY ownerChanged)
    Q_PROPERTY(QString ownerPhoto READ ownerPhoto NOTIFY ownerChanged)

public:
    explicit TabContainer(QObject *parent = nullptr);

    QUrl viewSource() const override;

    /// The screens in bar order with the symbol name of each tab's item.
    void setTabs(const QList<ViewController *> &tabs, const QStringList &icons = {});
    [[nodiscard]] QList<ViewController *> tabs() const { return m_tabs; }
    [[nodiscard]] ViewController *selectedTab() const;
    QStringList icons() const { return m_icons; }

    int selectedIndex() const { return m_selected; }
    Q_INVOKABLE void setSelectedIndex(int index);

    /// Empty text hides the badge.
    void setBadge(int index, const QString &text);
    /// The badge of the tab that holds this screen, itself or inside a container.
    void setBadge(const ViewController *screen, const QString &text);
    QStringList badges() const { return m_badges; }

    QString ownerName() const { return m_ownerName; }
    QString ownerPhoto() const { return m_ownerPhoto; }
    /// The name and the address of the photo that head the sidebar.
    void setOwner(const QString &name, const QString &photo);

    /// Whether the screen in front of the selected tab asked to hide the bar (a conversation
    /// pushed on the chat tab's stack does).
    [[nodiscard]] bool barHidden() const;

Q_SIGNALS:
    void selectedIndexChanged();
    void tabsChanged();
    void badgesChanged();
    void barHiddenChanged();
    void ownerChanged();

public:
    ViewController *visibleChild() const override { return selectedTab(); }

protected:
    TabContainer(QString typeName, Services services, QObject *parent);

private:
    QQmlListProperty<ViewController> tabList() { return {this, &m_tabs}; }
    void watchBarRequests(ViewController *tab);

    QList<ViewController *> m_tabs;
    QStringList m_icons;
    QStringList m_badges;
    int m_selected = 0;
    QString m_ownerName;
    QString m_ownerPhoto;
};
