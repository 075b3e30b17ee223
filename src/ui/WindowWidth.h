// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class QQuickItem;
class QQuickWindow;

// How wide the window is, in the three steps every view lays itself out by: compact draws the
// phone layouts, medium puts the navigation in a sidebar, wide adds columns beside the content.
// Views read it as an attached property (`WindowWidth.wide`) of any item; it follows the window
// the item is shown in, so a resize lays every screen out again without rebuilding it.
class WindowWidth : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("read as an attached property")
    QML_ATTACHED(WindowWidth)
    Q_PROPERTY(int widthClass READ widthClass NOTIFY widthClassChanged)
    Q_PROPERTY(bool compact READ compact NOTIFY widthClassChanged)
    Q_PROPERTY(bool wide READ wide NOTIFY widthClassChanged)
    Q_PROPERTY(bool panelBeside READ panelBeside NOTIFY widthClassChanged)
    Q_PROPERTY(int formColumn READ formColumnWidth CONSTANT)

public:
    enum Class { Compact, Medium, Wide };
    Q_ENUM(Class)

    static constexpr int mediumFrom = 720;
    static constexpr int wideFrom = 1200;
    /// From this width a panel stands beside the content; below it the content (a conversation
    /// between the list and the panel) would be too narrow to use, and the panel is a dialog.
    static constexpr int panelFrom = 1500;
    /// Forms and steps never grow wider than this outside the compact width.
    static constexpr int formColumn = 560;

    /// The class of a window `width` logical pixels wide.
    [[nodiscard]] static Class classify(qreal width);

    explicit WindowWidth(QObject *attachee = nullptr);
    static WindowWidth *qmlAttachedProperties(QObject *attachee);

    int widthClass() const { return m_class; }
    bool compact() const { return m_class == Compact; }
    bool wide() const { return m_class == Wide; }
    bool panelBeside() const { return m_panelBeside; }
    static int formColumnWidth() { return formColumn; }

Q_SIGNALS:
    void widthClassChanged();

private:
    void follow(QQuickWindow *window);
    void update();

    QPointer<QQuickWindow> m_window;
    QMetaObject::Connection m_widthWatch;
    // A view that is not in a window yet is drawn at the compact width it was written for.
    Class m_class = Compact;
    bool m_panelBeside = false;
};
