// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// Every keyboard shortcut of the client in one table: the window's shortcuts are made from it,
// the editor takes its save keys from it, and the list of shortcuts the user opens with F1 is
// drawn from it. Keys a screen's own list or grid handles (arrows in a list) are listed here
// with no command, so the user finds them in the same place.
class KeyTable : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The shortcuts the window answers: sequences and command of each.
    Q_PROPERTY(QVariantList windowKeys READ windowKeys CONSTANT)
    // The listing: a title and its rows (the keys as shown, what they do) per screen.
    Q_PROPERTY(QVariantList groups READ groups CONSTANT)

public:
    enum Command {
        NoCommand,
        Return,
        Escape,
        Left,
        Right,
        Undo,
        Settings,
        Feed,
        Likes,
        Chats,
        Profile,
        FullScreen,
        Quit,
        Help,
        Save,
    };
    Q_ENUM(Command)

    enum class Group { Everywhere, Feed, Likes, Chats, Editor };

    struct Entry {
        Group group;
        QStringList sequences;
        Command command;
        // What the keys do, as the listing tells it (translated in the "KeyTable" context).
        const char *what;
    };

    [[nodiscard]] static const QList<Entry> &entries();
    /// The key sequences of a command, as a Shortcut takes them.
    Q_INVOKABLE static QVariantList sequences(KeyTable::Command command);
    /// A sequence as the listing shows it: the desktop's names, arrows as arrows.
    [[nodiscard]] static QString shown(const QString &sequence);

    static QVariantList windowKeys();
    static QVariantList groups();
};
