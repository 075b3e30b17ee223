// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/KeyTable.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QVariantMap>

namespace {
using Group = KeyTable::Group;
using C = KeyTable::Command;

QString groupTitle(Group group) {
    switch (group) {
    case Group::Everywhere:
        return QCoreApplication::translate("KeyTable", "Везде");
    case Group::Feed:
        return QCoreApplication::translate("KeyTable", "Находки и профили");
    case Group::Likes:
        return QCoreApplication::translate("KeyTable", "Лайки");
    case Group::Chats:
        return QCoreApplication::translate("KeyTable", "Чат");
    case Group::Editor:
        return QCoreApplication::translate("KeyTable", "Редактор профиля");
    }
    return {};
}
} // namespace

const QList<KeyTable::Entry> &KeyTable::entries() {
    static const QList<Entry> table{
        {Group::Everywhere, {QStringLiteral("Ctrl+1")}, C::Feed, QT_TR_NOOP("Находки")},
        {Group::Everywhere, {QStringLiteral("Ctrl+2")}, C::Likes, QT_TR_NOOP("Лайки")},
        {Group::Everywhere, {QStringLiteral("Ctrl+3")}, C::Chats, QT_TR_NOOP("Чат")},
        {Group::Everywhere, {QStringLiteral("Ctrl+4")}, C::Profile, QT_TR_NOOP("Профиль")},
        {Group::Everywhere, {QStringLiteral("Ctrl+,")}, C::Settings, QT_TR_NOOP("Настройки")},
        {Group::Everywhere,
         {QStringLiteral("Tab"), QStringLiteral("Shift+Tab")},
         C::NoCommand,
         QT_TR_NOOP("К следующему или предыдущему элементу")},
        {Group::Everywhere,
         {QStringLiteral("Return"), QStringLiteral("Enter")},
         C::Return,
         QT_TR_NOOP("Главная кнопка экрана или выбранный элемент")},
        {Group::Everywhere,
         {QStringLiteral("Escape")},
         C::Escape,
         QT_TR_NOOP("Закрыть окно или вернуться назад")},
        {Group::Everywhere, {QStringLiteral("F11")}, C::FullScreen, QT_TR_NOOP("Во весь экран")},
        {Group::Everywhere,
         {QStringLiteral("F1"), QStringLiteral("?")},
         C::Help,
         QT_TR_NOOP("Сочетания клавиш")},
        {Group::Everywhere, {QStringLiteral("Ctrl+Q")}, C::Quit, QT_TR_NOOP("Выйти из Zirel")},
        {Group::Feed, {QStringLiteral("Left")}, C::Left, QT_TR_NOOP("Пропустить")},
        {Group::Feed, {QStringLiteral("Right")}, C::Right, QT_TR_NOOP("Лайк")},
        {Group::Feed,
         {QStringLiteral("Backspace"), QStringLiteral("Ctrl+Z")},
         C::Undo,
         QT_TR_NOOP("Вернуть последний пропуск")},
        {Group::Likes,
         {QStringLiteral("Up"), QStringLiteral("Down")},
         C::NoCommand,
         QT_TR_NOOP("Выбрать карточку")},
        {Group::Likes,
         {QStringLiteral("Left"), QStringLiteral("Right")},
         C::NoCommand,
         QT_TR_NOOP("Пропустить или ответить лайком")},
        {Group::Likes, {QStringLiteral("Return")}, C::NoCommand, QT_TR_NOOP("Открыть профиль")},
        {Group::Chats,
         {QStringLiteral("Up"), QStringLiteral("Down")},
         C::NoCommand,
         QT_TR_NOOP("Выбрать пару")},
        {Group::Chats, {QStringLiteral("Return")}, C::NoCommand, QT_TR_NOOP("Открыть переписку")},
        {Group::Chats,
         {QStringLiteral("Escape")},
         C::NoCommand,
         QT_TR_NOOP("Вернуться к списку пар, затем закрыть переписку")},
        {Group::Editor, {QStringLiteral("Ctrl+S")}, C::Save, QT_TR_NOOP("Сохранить")},
        {Group::Editor, {QStringLiteral("Escape")}, C::NoCommand, QT_TR_NOOP("Отменить правки")},
    };
    return table;
}

QVariantList KeyTable::sequences(KeyTable::Command command) {
    QVariantList sequences;
    for (const Entry &entry : entries())
        if (entry.command == command)
            for (const QString &sequence : entry.sequences)
                sequences.append(sequence);
    return sequences;
}

QString KeyTable::shown(const QString &sequence) {
    static const QList<std::pair<QString, QString>> arrows{
        {QStringLiteral("Left"), QStringLiteral("←")},
        {QStringLiteral("Right"), QStringLiteral("→")},
        {QStringLiteral("Up"), QStringLiteral("↑")},
        {QStringLiteral("Down"), QStringLiteral("↓")}};
    for (const auto &[name, arrow] : arrows)
        if (sequence == name)
            return arrow;
    return QKeySequence(sequence).toString(QKeySequence::NativeText);
}

QVariantList KeyTable::windowKeys() {
    QVariantList keys;
    for (const Entry &entry : entries())
        if (entry.command != C::NoCommand && entry.command != C::Save)
            keys.append(QVariantMap{{QStringLiteral("sequences"), entry.sequences},
                                    {QStringLiteral("command"), entry.command}});
    return keys;
}

QVariantList KeyTable::groups() {
    QVariantList groups;
    for (Group group :
         {Group::Everywhere, Group::Feed, Group::Likes, Group::Chats, Group::Editor}) {
        QVariantList rows;
        for (const Entry &entry : entries()) {
            if (entry.group != group)
                continue;
            QStringList keys;
            for (const QString &sequence : entry.sequences)
                keys.append(shown(sequence));
            rows.append(QVariantMap{
                {QStringLiteral("keys"), keys.join(QStringLiteral("  "))},
                {QStringLiteral("what"), QCoreApplication::translate("KeyTable", entry.what)}});
        }
        groups.append(QVariantMap{{QStringLiteral("title"), groupTitle(group)},
                                  {QStringLiteral("rows"), rows}});
    }
    return groups;
}
