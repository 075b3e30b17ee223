#pragma once

#include "ViewController.h"

#include <QList>

// The main window's tabs: one screen per tab, the selected one on screen, a badge text each.
class TabBar : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(
        int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(QList<QObject *> tabs READ tabObjects NOTIFY tabsChanged)
    Q_PROPERTY(QStringList badges READ badges NOTIFY badgesChanged)

public:
    explicit TabBar(QObject *parent = nullptr);

    QUrl viewSource() const override;

    void setTabs(const QList<ViewController *> &tabs);
    [[nodiscard]] QList<ViewController *> tabs() const { return m_tabs; }
    [[nodiscard]] ViewController *selectedTab() const;

    int selectedIndex() const { return m_selected; }
    Q_INVOKABLE void setSelectedIndex(int index);

    /// Empty text hides the badge.
    void setBadge(int index, const QString &text);
    QStringList badges() const { return m_badges; }

Q_SIGNALS:
    void selectedIndexChanged();
    void tabsChanged();
    void badgesChanged();

public:
    ViewController *visibleChild() const override { return selectedTab(); }

private:
    QList<QObject *> tabObjects() const;

    QList<ViewController *> m_tabs;
    QStringList m_badges;
    int m_selected = 0;
};
