// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/SwipeCard.h"
#include "ui/CardModel.h"

#include <QImage>
#include <QVariant>
#include <functional>

class PhotoDownloader;

// A small card of the likes grid: the first photo filling it over black, the name, the age and
// the verified mark on a dark band at the bottom. It can be thrown left or right only; a tap
// runs the action its cell gives it. The photo is fetched directly, once.
class CardCellView : public SwipeCard {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("cards are created in C++")
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString age READ age CONSTANT)
    Q_PROPERTY(bool hasCheckmark READ hasCheckmark CONSTANT)
    Q_PROPERTY(QVariant image READ imageVariant NOTIFY imageChanged)
    Q_PROPERTY(bool lifted READ isLifted NOTIFY liftedChanged)

public:
    /// Every card of the grid has this size, so its photo is cut to it once.
    static constexpr QSize kSize{171, 228};
    static constexpr qreal kCornerRadius = 10;

    /// The card's first photo is downloaded on that thread.
    CardCellView(const CardModel &model, PhotoDownloader &downloads, QQuickItem *parent = nullptr);

    [[nodiscard]] const CardModel &model() const { return m_model; }
    QString name() const { return m_model.name; }
    QString age() const { return m_model.age; }
    bool hasCheckmark() const { return m_model.hasCheckmark; }
    /// The first photo filling the card, cropped to its proportions, with its rounded corners.
    [[nodiscard]] QImage image() const { return m_image; }
    QVariant imageVariant() const { return m_image; }

    void setOnTap(std::function<void()> action) { m_onTap = std::move(action); }
    /// While dragged, the card's cell lies over the others.
    bool isLifted() const { return m_lifted; }
    void setLifted(bool lifted);

Q_SIGNALS:
    void imageChanged();
    void liftedChanged();

protected:
    void didTap() override;

private:
    [[nodiscard]] static QImage cut(const QImage &photo);

    CardModel m_model;
    QImage m_image;
    std::function<void()> m_onTap;
    bool m_lifted = false;
};
