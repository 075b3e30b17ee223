// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/CardView.h"

#include "cards/CardContentIncubator.h"
#include "media/PhotoBatch.h"
#include "media/RecentPhotos.h"
#include "platform/DiagnosticLog.h"
#include "ui/Services.h"
#include "ui/ViewController.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

CardView::CardView(const CardModel &model, const Services &services, QQuickItem *parent)
    : SwipeCard(parent)
    , m_model(model)
    , m_downloads(services.photoDownloads())
    , m_scaler(services.photoScaler())
    , m_recentPhotos(services.recentPhotos())
    , m_photos(m_downloads) {
    connect(&m_photos, &PagedPhotos::shownDecoded, this, &CardView::pageChanged);
    if (m_model.photoURLs && !m_model.photoURLs->isEmpty()) {
        // A card made again (after an undo) has its photos at once, not after a download.
        if (std::optional<QList<PhotoBatch::Page>> recent =
                m_recentPhotos.photos(*m_model.photoURLs))
            finishDownloads(std::move(*recent));
        else
            startDownloads(*m_model.photoURLs);
    } else {
        setPages(static_cast<int>(m_model.images.size()));
    }
    makeContentIfPossible();
}

CardView::~CardView() {
    // The drawing goes first, so none of its bindings sees a card that is half destroyed; one
    // still being built is dropped with its incubator.
    m_contentIncubator.reset();
    delete content();
}

QList<qreal> CardView::pageProgress() const {
    QList<qreal> progress(m_pageCount, 0.0);
    if (m_currentIndex >= 0 && m_currentIndex < m_pageCount)
        progress[m_currentIndex] = 1.0;
    return progress;
}

QImage CardView::currentImage() const {
    if (m_model.photoURLs && !m_model.photoURLs->isEmpty())
        return m_photos.shownImage();
    return m_model.images.value(m_currentIndex);
}

qreal CardView::textAreaTop() const {
    return m_textAreaTop.value_or(height() - kDefaultTextBlockHeight);
}

void CardView::setTextAreaTop(qreal y) {
    if (m_textAreaTop == y)
        return;
    m_textAreaTop = y;
    Q_EMIT textAreaTopChanged();
}

void CardView::startDownloads(const QStringList &addresses) {
    m_loading = true;
    PhotoBatch::downloadPages(
        m_downloads, addresses, PagedPhotos::kDecodedAtFirst, this,
        [this](QList<PhotoBatch::Page> pages) { finishDownloads(std::move(pages)); });
}

void CardView::finishDownloads(QList<PhotoBatch::Page> pages) {
    m_loading = false;
    m_recentPhotos.remember(*m_model.photoURLs, pages);
    m_photos.setPages(std::move(pages));
    setPages(m_photos.count());
    Q_EMIT imagesLoaded();
}

void CardView::setPages(int count) {
    m_pageCount = count;
    Q_EMIT photosChanged();
    showPhoto(0);
}

void CardView::showPhoto(int index) {
    if (index < 0 || index >= m_pageCount)
        return;
    m_currentIndex = index;
    m_photos.show(index);
    if (index < m_model.info.size()) {
        const InfoItem &item = m_model.info.at(index);
        m_infoText = item.value;
        m_infoIcon = InfoItem::iconName(item.type);
    } else {
        m_infoText.clear();
        m_infoIcon.clear();
    }
    Q_EMIT pageChanged();
}

void CardView::infoButtonTap() {
    if (m_onInfoButtonTap)
        m_onInfoButtonTap();
}

void CardView::didTap() {
    SwipeCard::didTap();
    handleTap(tapGestureRecognizer()->location(this));
}

void CardView::handleTap(QPointF p) {
    if (p.y() >= textAreaTop()) {
        infoButtonTap();
        return;
    }
    if (p.x() >= width() / 2) {
        if (m_currentIndex < m_pageCount - 1)
            showPhoto(m_currentIndex + 1);
    } else if (m_currentIndex > 0) {
        showPhoto(m_currentIndex - 1);
    }
}

void CardView::itemChange(ItemChange change, const ItemChangeData &value) {
    SwipeCard::itemChange(change, value);
    if (change == ItemParentHasChanged || change == ItemSceneChange)
        makeContentIfPossible();
}

QUrl CardView::contentSource() {
    return ViewController::qmlView("cards/CardContent.qml");
}

void CardView::makeContentIfPossible() {
    if (content() || m_contentIncubator)
        return;
    QQmlContext *context = nullptr;
    for (QQuickItem *item = parentItem(); item && !context; item = item->parentItem())
        context = qmlContext(item);
    if (!context)
        return;
    const QVariantMap properties{{QStringLiteral("card"), QVariant::fromValue(this)}};
    auto component = std::make_unique<QQmlComponent>(context->engine(), contentSource());
    // Without a window pacing the engine nothing would advance a build in slices.
    if (!context->engine()->incubationController()) {
        takeContent(component->createWithInitialProperties(properties, context),
                    component->errorString());
        return;
    }
    m_contentComponent = std::move(component);
    m_contentIncubator = std::make_unique<CardContentIncubator>(
        [this](QObject *made, const QString &error) { takeContent(made, error); });
    m_contentIncubator->setInitialProperties(properties);
    m_contentComponent->create(*m_contentIncubator, context);
}

void CardView::completeContent() {
    if (m_contentIncubator && m_contentIncubator->isLoading())
        m_contentIncubator->forceCompletion();
}

void CardView::takeContent(QObject *made, const QString &error) {
    auto *item = qobject_cast<QQuickItem *>(made);
    if (!item) {
        qCWarning(lcScreens).noquote() << "The profile card could not be drawn:" << error;
        delete made;
        return;
    }
    item->setParent(this);
    setContent(item);
}
