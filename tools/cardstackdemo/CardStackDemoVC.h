// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/ProfileView.h"
#include "api/Result.h"
#include "cardstack/SwipeCardStack.h"
#include "ui/CardModel.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <optional>

// Developer screen: a stack of profile cards with pass, like and undo buttons and a line telling
// what the stack last reported. When it opens it asks the service for people nearby, and their
// cards, photos downloaded as in the feed, replace the given records; those stay when the
// service does not answer or finds nobody. It can start with the top card held in a drag, so
// the overlays can be looked at without a hand on the mouse.
class CardStackDemoVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
public:
    CardStackDemoVC(QList<CardModel> models, Services services, QObject *parent = nullptr);

    [[nodiscard]] QUrl viewSource() const override {
        return QUrl(QStringLiteral("qrc:/ZirelDemo/CardStackDemoView.qml"));
    }

    /// Records with generated portraits, names and info lines, for screens without a service;
    /// the portraits have `density` pixels per point of a 600 x 800 card.
    [[nodiscard]] static QList<CardModel> sampleModels(int count, qreal density = 1);
    /// Holds the top card dragged by this much once the stack has dealt it.
    void setHeldDrag(std::optional<QPointF> translation) { m_heldDrag = translation; }

    [[nodiscard]] QString status() const { return m_status; }
    [[nodiscard]] SwipeCardStack *stack() const { return m_stack; }

    /// The view hands over its stack once it is made.
    Q_INVOKABLE void attachStack(SwipeCardStack *stack);
    Q_INVOKABLE void pass();
    Q_INVOKABLE void like();
    Q_INVOKABLE void undo();

Q_SIGNALS:
    void statusChanged();
    /// The service's answer has been handled, whatever it was.
    void serviceAnswered();

protected:
    void viewDidLoad() override;

private:
    [[nodiscard]] SwipeCard *makeCard(qint64 index);
    void handleProfiles(const Result<QList<ProfileView>> &result);
    void setStatus(const QString &status);
    void holdDrag();

    QList<CardModel> m_models;
    QPointer<SwipeCardStack> m_stack;
    std::optional<QPointF> m_heldDrag;
    QString m_status;
};
