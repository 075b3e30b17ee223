// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "profile/PreviewVC.h"

#include "api/Birthday.h"
#include "cards/CardView.h"
#include "ui/ScreenFactory.h"

#include <QDate>
#include <algorithm>

PreviewVC::PreviewVC(User user, Services services, QObject *parent)
    : ViewController(QStringLiteral("PreviewVC"), services, parent)
    , m_user(std::move(user)) {}

QList<InfoItem> PreviewVC::infoTexts(const QString &bio, const QString &job, const QString &edu,
                                     const QString &city) {
    const InfoItem distance{InfoType::Distance, tr("1 км от тебя")};
    QList<InfoItem> info;
    if (!bio.isEmpty())
        info.append({InfoType::About, bio});
    info.append(distance);
    if (!job.isEmpty())
        info.append({InfoType::Position, job});
    if (!edu.isEmpty())
        info.append({InfoType::Education, edu});
    if (!city.isEmpty())
        info.append({InfoType::City, city});
    // One line per photo of a full profile, so every photo shows a line.
    while (info.size() < 6)
        info.append(distance);
    return info;
}

QRectF PreviewVC::cardFrame(QSizeF area) {
    const qreal height =
        std::max<qreal>(0, std::min({kCardHeight, area.height(), area.width() / kCardAspect}));
    const qreal width = height * kCardAspect;
    return {(area.width() - width) / 2, (area.height() - height) / 2, width, height};
}

CardView *PreviewVC::cardView() const {
    return m_cardView;
}

CardModel PreviewVC::cardModel() const {
    CardModel model;
    model.userID = m_user.userID;
    model.name = m_user.name;
    model.hasCheckmark = m_user.hasCheckmark;
    model.images = m_cardImages;
    model.info = m_cardInfoTexts;
    model.age = QString::number(Birthday::age(m_user.birthday, QDate::currentDate()));
    return model;
}

void PreviewVC::setCardImages(const QList<QImage> &images) {
    m_cardImages = images;
    rebuildCard();
}

void PreviewVC::setCardInfoTexts(const QList<InfoItem> &info) {
    m_cardInfoTexts = info;
    rebuildCard();
}

void PreviewVC::rebuildCard() {
    delete m_cardView;
    const CardModel model = cardModel();
    m_cardView = new CardView(model, services());
    m_cardView->setParent(this);
    m_cardView->setSwipeDirections({});
    m_cardView->setOnInfoButtonTap([this, model] { openDetails(model); });
    placeCard();
}

void PreviewVC::attachCardArea(QQuickItem *area) {
    m_area = area;
    connect(area, &QQuickItem::widthChanged, this, &PreviewVC::placeCard);
    connect(area, &QQuickItem::heightChanged, this, &PreviewVC::placeCard);
    placeCard();
}

void PreviewVC::placeCard() {
    if (!m_cardView || !m_area)
        return;
    m_cardView->setParentItem(m_area);
    const QRectF frame = cardFrame(m_area->size());
    m_cardView->setPosition(frame.topLeft());
    m_cardView->setSize(frame.size());
}

void PreviewVC::openDetails(const CardModel &model) {
    present(services().screens().createUserInfo(model, {}, false, services()),
            PresentationStyle::PageSheet, true);
}
