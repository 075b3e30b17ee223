// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/SwipeCard.h"
#include "media/PagedPhotos.h"
#include "media/PhotoScaler.h"
#include "ui/CardModel.h"

#include <QImage>
#include <functional>
#include <memory>

class CardContentIncubator;
class QQmlComponent;
class RecentPhotos;
class Services;

// The card of one nearby profile: photos paged by taps on either half, one page bar per photo,
// the info line that belongs to the photo shown, name, age and the verified mark over a dark
// gradient, and an info button. Photos given as addresses are downloaded once, in parallel,
// when the card is made, and kept decoded only near the one shown (media/PagedPhotos.h). The
// drawing is a QML item made as soon as the card is placed under an item that belongs to a QML
// engine; every rule lives here.
class CardView : public SwipeCard {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("cards are created in C++")
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY pageChanged)
    Q_PROPERTY(int pageCount READ pageCount NOTIFY photosChanged)
    Q_PROPERTY(QString infoText READ infoText NOTIFY pageChanged)
    Q_PROPERTY(QString infoIcon READ infoIcon NOTIFY pageChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY photosChanged)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString age READ age CONSTANT)
    Q_PROPERTY(bool hasCheckmark READ hasCheckmark CONSTANT)
    Q_PROPERTY(qreal textAreaTop READ textAreaTop WRITE setTextAreaTop NOTIFY textAreaTopChanged)
    Q_PROPERTY(PhotoScaler *photoScaler READ photoScaler CONSTANT)
public:
    /// Height of the text block at the bottom until the drawing reports where the name sits.
    static constexpr qreal kDefaultTextBlockHeight = 110;

    CardView(const CardModel &model, const Services &services, QQuickItem *parent = nullptr);
    /// The QML file of the drawing.
    [[nodiscard]] static QUrl contentSource();
    ~CardView() override;

    [[nodiscard]] const CardModel &model() const { return m_model; }
    /// What the drawing prepares the photos with.
    [[nodiscard]] PhotoScaler *photoScaler() const { return &m_scaler; }
    void setOnInfoButtonTap(std::function<void()> handler) {
        m_onInfoButtonTap = std::move(handler);
    }
    /// The downloaded photos in the order of their addresses, failed ones left out; a photo
    /// not decoded at the moment is a null image.
    [[nodiscard]] QList<QImage> loadedImages() const { return m_photos.images(); }

    [[nodiscard]] int currentIndex() const { return m_currentIndex; }
    [[nodiscard]] int pageCount() const { return m_pageCount; }
    /// Fill of each page bar: 1 for the photo shown, 0 for the others.
    [[nodiscard]] QList<qreal> pageProgress() const;
    /// The photo shown; null while it is being decoded again.
    [[nodiscard]] QImage currentImage() const;
    [[nodiscard]] QString infoText() const { return m_infoText; }
    /// Symbol name of the info line's kind; empty when the photo has no info line.
    [[nodiscard]] QString infoIcon() const { return m_infoIcon; }
    [[nodiscard]] bool isLoading() const { return m_loading; }
    [[nodiscard]] QString name() const { return m_model.name; }
    [[nodiscard]] QString age() const { return m_model.age; }
    [[nodiscard]] bool hasCheckmark() const { return m_model.hasCheckmark; }

    /// Top of the name line in card coordinates; taps at or below it open the profile.
    [[nodiscard]] qreal textAreaTop() const;
    void setTextAreaTop(qreal y);

    /// Shows photo i with its info line; out of range is ignored.
    void showPhoto(int index);
    /// The info button was pressed.
    Q_INVOKABLE void infoButtonTap();

    [[nodiscard]] QQuickItem *contentItem() const { return content(); }
    void completeContent() override;

Q_SIGNALS:
    /// Every download has ended and loadedImages() holds what arrived.
    void imagesLoaded();
    void pageChanged();
    void photosChanged();
    void textAreaTopChanged();

protected:
    void didTap() override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    void handleTap(QPointF p);
    void startDownloads(const QStringList &addresses);
    void finishDownloads(QList<PhotoBatch::Page> pages);
    void setPages(int count);
    void makeContentIfPossible();
    void takeContent(QObject *made, const QString &error);

    CardModel m_model;
    PhotoDownloader &m_downloads;
    PhotoScaler &m_scaler;
    RecentPhotos &m_recentPhotos;
    std::function<void()> m_onInfoButtonTap;
    PagedPhotos m_photos;

    int m_currentIndex = 0;
    int m_pageCount = 0;
    QString m_infoText;
    QString m_infoIcon;
    bool m_loading = false;
    std::optional<qreal> m_textAreaTop;
    // Alive while the drawing is being built in slices.
    std::unique_ptr<QQmlComponent> m_contentComponent;
    std::unique_ptr<CardContentIncubator> m_contentIncubator;
};
