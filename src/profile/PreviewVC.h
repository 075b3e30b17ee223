// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/User.h"
#include "ui/CardModel.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QQuickItem>

class CardView;

// How the edited profile looks to others: the profile card with the edited photos and texts,
// at rest in the middle of the screen. It cannot be swiped; its text area and info button open
// the full profile, as on the feed.
class PreviewVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the profile editor")

public:
    /// The height a card is drawn at when there is room, and its width as a share of it.
    static constexpr qreal kCardHeight = 800;
    static constexpr qreal kCardAspect = 0.6875;

    PreviewVC(User user, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("profile/PreviewView.qml"); }

    /// The card's info lines for the texts: about, one distance line, position, education and
    /// city where they are set, then distance lines up to six in all.
    [[nodiscard]] static QList<InfoItem> infoTexts(const QString &bio, const QString &job,
                                                   const QString &edu, const QString &city);
    /// The card's place in an area: centred, as tall as it may be up to kCardHeight.
    [[nodiscard]] static QRectF cardFrame(QSizeF area);

    void setCardImages(const QList<QImage> &images);
    void setCardInfoTexts(const QList<InfoItem> &info);
    [[nodiscard]] CardView *cardView() const;
    [[nodiscard]] CardModel cardModel() const;

    /// The view's area for the card; the card follows its size.
    Q_INVOKABLE void attachCardArea(QQuickItem *area);

private:
    void rebuildCard();
    void placeCard();
    void openDetails(const CardModel &model);

    User m_user;
    QList<QImage> m_cardImages;
    QList<InfoItem> m_cardInfoTexts;
    QPointer<CardView> m_cardView;
    QPointer<QQuickItem> m_area;
};
