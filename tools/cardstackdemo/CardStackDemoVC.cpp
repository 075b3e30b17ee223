// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstackdemo/CardStackDemoVC.h"

#include "api/Endpoints.h"
#include "cards/CardOverlay.h"
#include "cards/CardView.h"
#include "feed/MainVC.h"
#include "ui/MainThreadReceiver.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRadialGradient>
#include <QTimer>

namespace {
QString directionName(SwipeDirection direction) {
    switch (direction) {
    case SwipeDirection::Left:
        return QStringLiteral("влево");
    case SwipeDirection::Right:
        return QStringLiteral("вправо");
    case SwipeDirection::Up:
        return QStringLiteral("вверх");
    case SwipeDirection::Down:
        return QStringLiteral("вниз");
    }
    return {};
}

// A soft portrait: a coloured backdrop with a head and shoulders, lit from one side, drawn on
// 600 x 800 points at `density` pixels per point.
QImage portrait(int seed, qreal density) {
    QImage image(int(600 * density), int(800 * density), QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(density, density);
    const int hue = (seed * 67) % 360;
    QLinearGradient backdrop(0, 0, 600, 800);
    backdrop.setColorAt(0, QColor::fromHsv(hue, 90, 235));
    backdrop.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 160, 120));
    p.fillRect(QRectF(0, 0, 600, 800), backdrop);
    QRadialGradient light(200 + (seed % 3) * 100, 250, 500);
    light.setColorAt(0, QColor(255, 255, 255, 90));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, 600, 800), light);
    const QColor skin = QColor::fromHsv(25, 70 + (seed % 4) * 20, 220 - (seed % 5) * 20);
    const QColor cloth = QColor::fromHsv((hue + 180) % 360, 120, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawEllipse(QRectF(90, 560, 420, 420));
    p.setBrush(skin);
    p.drawRoundedRect(QRectF(255, 440, 90, 140), 30, 30);
    p.drawEllipse(QRectF(190, 210, 220, 270));
    p.setBrush(QColor::fromHsv(20 + seed * 13 % 30, 120, 50 + (seed % 3) * 40));
    p.drawChord(QRectF(180, 190, 240, 200), 0, 180 * 16);
    return image;
}
} // namespace

CardStackDemoVC::CardStackDemoVC(QList<CardModel> models, Services services, QObject *parent)
    : ViewController(QStringLiteral("CardStackDemoVC"), std::move(services), parent)
    , m_models(std::move(models)) {}

QList<CardModel> CardStackDemoVC::sampleModels(int count, qreal density) {
    const QStringList names = {QStringLiteral("Мария"), QStringLiteral("Алина"),
                               QStringLiteral("Катя"),  QStringLiteral("Соня"),
                               QStringLiteral("Вера"),  QStringLiteral("Даша")};
    const QList<QImage> photos = [density] {
        QList<QImage> all;
        for (int i = 0; i < 8; ++i)
            all.append(portrait(i, density));
        return all;
    }();
    QList<CardModel> models;
    for (int i = 0; i < count; ++i) {
        CardModel m;
        m.userID = QStringLiteral("demo-%1").arg(i);
        m.name = names.at(i % names.size());
        m.age = QString::number(20 + (i * 7) % 15);
        m.hasCheckmark = i % 2 == 0;
        for (int k = 0; k < 3; ++k)
            m.images.append(photos.at((i + k * 3) % photos.size()));
        m.info = {{InfoType::Distance, QStringLiteral("%1 км от вас").arg(1 + i % 9)},
                  {InfoType::Education, QStringLiteral("МГУ, факультет журналистики")}};
        models.append(m);
    }
    return models;
}

void CardStackDemoVC::viewDidLoad() {
    setStatus(QStringLiteral("Загрузка людей из сервиса…"));
    Endpoints::fetchProfiles(
        [to = MainThreadReceiver(this)](Result<QList<ProfileView>> result) {
            to.post([result = std::move(result)](CardStackDemoVC &demo) {
                demo.handleProfiles(result);
            });
        },
        services().network());
}

void CardStackDemoVC::handleProfiles(const Result<QList<ProfileView>> &result) {
    if (!result.ok()) {
        setStatus(QStringLiteral("Сервис не ответил, портреты нарисованы: ") +
                  result.error().reason);
    } else if (result.value().isEmpty()) {
        setStatus(QStringLiteral("Сервис никого не нашёл, портреты нарисованы"));
    } else {
        m_models.clear();
        for (const ProfileView &profile : result.value())
            m_models.append(MainVC::cardModel(profile));
        setStatus(QStringLiteral("Люди из сервиса: %1").arg(m_models.size()));
        if (m_stack)
            attachStack(m_stack);
    }
    Q_EMIT serviceAnswered();
}

void CardStackDemoVC::attachStack(SwipeCardStack *stack) {
    m_stack = stack;
    if (!stack)
        return;
    stack->setCardSource(
        this, [this] { return qint64(m_models.size()); },
        [this](qint64 index) { return makeCard(index); });
    connect(stack, &SwipeCardStack::cardSwiped, this,
            [this](qint64 index, SwipeDirection direction) {
                setStatus(QStringLiteral("Свайп %1: %2")
                              .arg(directionName(direction), m_models.at(index).name));
            });
    connect(stack, &SwipeCardStack::cardUndone, this, [this](qint64 index) {
        setStatus(QStringLiteral("Вернули: %1").arg(m_models.at(index).name));
    });
    connect(stack, &SwipeCardStack::cardSelected, this, [this](qint64 index) {
        setStatus(QStringLiteral("Нажата карточка: %1").arg(m_models.at(index).name));
    });
    connect(stack, &SwipeCardStack::allCardsSwiped, this,
            [this] { setStatus(QStringLiteral("Карточки закончились")); });
    stack->reloadData();
    if (m_heldDrag) {
        // Let the layout settle first: laying a card out again puts it back at rest.
        QTimer::singleShot(300, this, [this] { holdDrag(); });
    }
}

void CardStackDemoVC::holdDrag() {
    SwipeCard *card = m_stack ? m_stack->topCard() : nullptr;
    if (!card || !m_heldDrag)
        return;
    PanGestureRecognizer *pan = card->panGestureRecognizer();
    pan->setTestLocation(QPointF(card->width() / 2, card->height() / 4));
    pan->setTestTranslation(*m_heldDrag);
    pan->setTestState(PanGestureRecognizer::State::Began);
    pan->sendAction();
    pan->setTestState(PanGestureRecognizer::State::Changed);
    pan->sendAction();
}

void CardStackDemoVC::pass() {
    if (m_stack)
        m_stack->swipe(SwipeDirection::Left, true);
}

void CardStackDemoVC::like() {
    if (m_stack)
        m_stack->swipe(SwipeDirection::Right, true);
}

void CardStackDemoVC::undo() {
    if (m_stack)
        m_stack->undoLastSwipe(true);
}

SwipeCard *CardStackDemoVC::makeCard(qint64 index) {
    auto *card = new CardView(m_models.at(index), services());
    for (SwipeDirection d : {SwipeDirection::Left, SwipeDirection::Right, SwipeDirection::Up})
        card->setOverlay(CardOverlay::make(d), d);
    const QString name = card->model().name;
    card->setOnInfoButtonTap([this, name] { setStatus(QStringLiteral("Профиль: %1").arg(name)); });
    return card;
}

void CardStackDemoVC::setStatus(const QString &status) {
    if (m_status == status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}
