// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "Fixtures.h"
#include "TestServices.h"
#include "cards/CardOverlay.h"
#include "cards/CardOverlayLabelView.h"
#include "cards/CardPhotoView.h"
#include "cards/CardView.h"
#include "cardstack/SwipeCardStack.h"
#include "cardstackdemo/CardStackDemoVC.h"
#include "controls/SymbolImageProvider.h"
#include "media/AreaScaler.h"
#include "media/PhotoScaler.h"

#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using D = SwipeDirection;
using State = PanGestureRecognizer::State;

namespace {
QImage picture(QSize size, Qt::GlobalColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

void tap(CardView &card, QPointF p) {
    card.tapGestureRecognizer()->setTestLocation(p);
    card.tapGestureRecognizer()->sendAction();
}

void drag(SwipeCard &card, QPointF translation) {
    PanGestureRecognizer *r = card.panGestureRecognizer();
    r->setTestLocation(QPointF(card.width() / 2, 40));
    r->setTestTranslation(translation);
    r->setTestState(State::Began);
    r->sendAction();
    r->setTestState(State::Changed);
    r->sendAction();
}

class CountingPhoto : public CardPhotoView {
public:
    int paints = 0;
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *data) override {
        ++paints;
        return CardPhotoView::updatePaintNode(old, data);
    }
};

CardModel model(int photos, int infoItems) {
    CardModel m;
    m.name = QStringLiteral("Мария");
    m.age = QStringLiteral("24");
    for (int i = 0; i < photos; ++i)
        m.images.append(picture(QSize(10 + i, 10), Qt::blue));
    for (int i = 0; i < infoItems; ++i)
        m.info.append({i == 0 ? InfoType::Distance : InfoType::Education, QString::number(i)});
    return m;
}
// An item of a QML engine that draws symbols, as the screens' views are, and a window for it.
struct EngineHost {
    QQmlEngine engine;
    QQuickWindow window;
    std::unique_ptr<QQuickItem> host;
    EngineHost() {
        engine.addImportPath(QStringLiteral("qrc:/"));
        engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
        QQmlComponent root(&engine);
        root.setData("import QtQuick\nItem { width: 300; height: 500 }", QUrl());
        host.reset(qobject_cast<QQuickItem *>(root.create()));
        window.resize(300, 500);
    }
    bool show() {
        host->setParentItem(window.contentItem());
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};
} // namespace

class TestCardView : public QObject {
    Q_OBJECT

    TestServices m_services;
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        // A card whose drawing cannot be built shows nothing: that is a failure here.
        QTest::failOnWarning(
            QRegularExpression(QStringLiteral("could not be drawn|Cannot instantiate")));
    }

    // A card of many photos holds the pixels of the first, the shown and the next one only,
    // and of any whose bytes were larger; a photo paged to again is decoded anew from what
    // arrived, the one before it staying in view meanwhile, and nothing is downloaded twice. A card
    // made again from memory has its first photo at once and decodes the next.
    void onlyThePhotosAroundTheShownOneStayDecoded() {
        FakeService service;
        QVERIFY(service.start());
        QStringList addresses;
        for (int i = 0; i < 5; ++i) {
            const QString name = QStringLiteral("many%1.png").arg(i);
            const QByteArray png = Fixtures::png({10 + i, 20}, Qt::blue);
            // The last is padded past its pixels' size, so it is kept as pixels throughout.
            service.respond(name, 200, i < 4 ? png : png + QByteArray(4096, '\0'));
            addresses << service.baseUrl() + name;
        }
        CardModel m = model(0, 0);
        m.photoURLs = addresses;
        const auto decoded = [](const CardView &card) {
            QList<int> widths;
            for (const QImage &image : card.loadedImages())
                widths << (image.isNull() ? 0 : image.width());
            return widths;
        };
        {
            CardView card(m, m_services.services());
            card.setSize({300, 500});
            QSignalSpy loaded(&card, &CardView::imagesLoaded);
            QVERIFY(loaded.wait(5000));
            QCOMPARE(card.pageCount(), 5);
            QCOMPARE(decoded(card), (QList<int>{10, 11, 0, 0, 14}));

            tap(card, {200, 100});
            QTRY_COMPARE(decoded(card), (QList<int>{10, 11, 12, 0, 14}));
            const QImage second = card.currentImage();
            tap(card, {200, 100});
            QTRY_COMPARE(decoded(card), (QList<int>{10, 0, 12, 13, 14}));
            QVERIFY(second.isDetached()); // nothing holds the photo let go
            tap(card, {200, 100});
            QCOMPARE(card.currentIndex(), 3);
            QTRY_COMPARE(decoded(card), (QList<int>{10, 0, 0, 13, 14}));

            QSignalSpy paged(&card, &CardView::pageChanged);
            tap(card, {0, 100});
            QCOMPARE(card.currentImage().width(), 13); // no blank page while it decodes
            QTRY_COMPARE(card.currentImage().width(), 12);
            QCOMPARE(paged.size(), 2); // the page, then its photo
            QCOMPARE(decoded(card), (QList<int>{10, 0, 12, 13, 14}));
        }
        CardView again(m, m_services.services());
        QCOMPARE(again.currentImage().width(), 10);
        QTRY_COMPARE(decoded(again), (QList<int>{10, 11, 0, 0, 14}));
        QCOMPARE(service.requests().size(), 5);
    }

    // Downloads keep address order and drop failures; paging stops at either end.
    void downloadedPhotosArePagedByHalves() {
        FakeService service;
        QVERIFY(service.start());
        service.respond("a.png", 200, Fixtures::png({8, 6}, Qt::red));
        service.respondDelayed("b.png", std::chrono::milliseconds(150), 200,
                               Fixtures::png({5, 7}, Qt::green));
        service.respond("page.html", 200, "<html>not a picture</html>");
        CardModel m = model(1, 0); // in-memory photos are ignored when there are addresses
        m.photoURLs = QStringList{service.baseUrl() + "b.png", service.baseUrl() + "missing.png",
                                  service.baseUrl() + "a.png", service.baseUrl() + "page.html",
                                  QStringLiteral("no address at all")};
        CardView card(m, m_services.services());
        card.setSize({300, 500});
        QSignalSpy loaded(&card, &CardView::imagesLoaded);
        QVERIFY(card.isLoading());
        QCOMPARE(card.pageCount(), 0);
        QVERIFY(loaded.wait(5000));
        QVERIFY(!card.isLoading());
        QCOMPARE(card.loadedImages().size(), 2);
        QCOMPARE(card.loadedImages()[0].size(), QSize(5, 7));
        QCOMPARE(card.loadedImages()[1].size(), QSize(8, 6));
        QCOMPARE(card.pageProgress(), (QList<qreal>{1, 0}));
        QCOMPARE(card.currentImage().size(), QSize(5, 7));
        QCOMPARE(service.requests().size(), 4);
        for (const RecordedRequest &r : service.requests())
            QVERIFY(!r.headers.contains("authorization"));

        tap(card, {200, 100});
        QCOMPARE(card.currentIndex(), 1);
        tap(card, {299, 0});
        QCOMPARE(card.currentIndex(), 1);
        QCOMPARE(card.pageProgress(), (QList<qreal>{0, 1}));
        tap(card, {149, 100});
        tap(card, {0, 100});
        QCOMPARE(card.currentIndex(), 0);
        QCOMPARE(loaded.size(), 1);
    }

    void downloadsEndingAfterTheCardAreDropped() {
        FakeService service;
        QVERIFY(service.start());
        service.respondDelayed("slow.png", std::chrono::milliseconds(100), 200,
                               Fixtures::png({4, 4}, Qt::red));
        CardModel m;
        m.photoURLs = QStringList{service.baseUrl() + "slow.png"};
        auto *card = new CardView(m, m_services.services());
        QTRY_COMPARE(service.requests().size(), 1);
        delete card;
        QTest::qWait(300); // the answer arrives and must not touch the deleted card
    }

    void infoLineFollowsThePhoto() {
        CardView card(model(4, 2), m_services.services());
        card.setSize({300, 500});
        QCOMPARE(card.pageCount(), 4);
        QCOMPARE(card.infoText(), "0");
        QCOMPARE(card.infoIcon(), InfoItem::iconName(InfoType::Distance));
        QSignalSpy changed(&card, &CardView::pageChanged);
        tap(card, {250, 50});
        QCOMPARE(card.infoText(), "1");
        QCOMPARE(card.infoIcon(), InfoItem::iconName(InfoType::Education));
        tap(card, {250, 50});
        QCOMPARE(card.currentIndex(), 2);
        QVERIFY(card.infoText().isEmpty() && card.infoIcon().isEmpty());
        tap(card, {250, 50});
        QCOMPARE(card.currentImage().width(), 13);
        QCOMPARE(changed.size(), 3);
        card.showPhoto(4);
        card.showPhoto(-1);
        QCOMPARE(card.currentIndex(), 3);
    }

    void tapOnTheTextOpensTheProfile() {
        CardView card(model(3, 0), m_services.services());
        card.setSize({300, 500});
        int opened = 0;
        tap(card, {250, 499}); // no handler yet: nothing happens, no paging either
        QCOMPARE(card.currentIndex(), 0);
        card.setOnInfoButtonTap([&] { ++opened; });
        const qreal top = card.textAreaTop();
        tap(card, {250, top});
        tap(card, {10, top + 20});
        QCOMPARE(opened, 2);
        QCOMPARE(card.currentIndex(), 0);
        tap(card, {250, top - 1});
        QCOMPARE(card.currentIndex(), 1);
        card.setTextAreaTop(300);
        tap(card, {250, 320});
        QCOMPARE(opened, 3);
        QCOMPARE(card.currentIndex(), 1);
    }

    void nothingToShow() {
        CardModel m = model(0, 2);
        m.photoURLs = QStringList{};
        CardView card(m, m_services.services());
        card.setSize({300, 500});
        QVERIFY(!card.isLoading());
        QCOMPARE(card.pageCount(), 0);
        QVERIFY(card.currentImage().isNull());
        QVERIFY(card.infoText().isEmpty()); // no photo is shown, so no info line either
        tap(card, {250, 50});
        tap(card, {50, 50});
        QCOMPARE(card.currentIndex(), 0);
        QVERIFY(card.pageProgress().isEmpty());
    }

    void stampsStayInsideTheCard() {
        CardOverlay like(D::Right);
        CardOverlay pass(D::Left);
        CardOverlay superLike(D::Up);
        for (CardOverlay *overlay : {&like, &pass, &superLike}) {
            overlay->setSize({300, 500});
            overlay->setOpacity(1); // stamps take their place when they first show
        }
        QCOMPARE(like.label()->fittedPixelSize(), CardOverlayLabelView::kFontPixelSize);
        superLike.setSize({120, 500}); // far too narrow: the title shrinks, but only to half
        QCOMPARE(superLike.label()->width(), 110.0);
        QCOMPARE(superLike.label()->fittedPixelSize(), CardOverlayLabelView::kFontPixelSize / 2);
        pass.setSize({200, 500});
        QVERIFY(pass.label()->x() >= CardOverlay::kMinimumInset);
        QVERIFY(pass.label()->fittedPixelSize() < CardOverlayLabelView::kFontPixelSize);
        QVERIFY(pass.label()->fittedPixelSize() > CardOverlayLabelView::kFontPixelSize / 2);
    }

    // A stamp that has never shown is not drawn; it is once its overlay fades in.
    void aStampIsDrawnOnceItsOverlayShows() {
        QQuickWindow window;
        window.setColor(Qt::white);
        window.resize(300, 300);
        CardOverlay like(D::Right);
        like.setParentItem(window.contentItem());
        like.setSize({300, 300});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage hidden = window.grabWindow();
        like.setOpacity(1);
        const QImage shown = window.grabWindow();
        const QRect stamp = like.label()->mapRectToScene(like.label()->boundingRect()).toRect();
        QVERIFY(stamp.width() > 50);
        const auto greenIn = [&stamp](const QImage &shot) {
            int green = 0;
            for (int y = stamp.top(); y <= stamp.bottom(); ++y)
                for (int x = stamp.left(); x <= stamp.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    green += c.green() > 150 && c.red() < 120;
                }
            return green;
        };
        QCOMPARE(greenIn(hidden), 0);
        QVERIFY(greenIn(shown) > 50);
    }

    // A photo is prepared once per size off the main thread, cropped to the card's shape with
    // rounded corners and the shade; moving the card paints nothing again.
    void photosArePreparedOnceAndNotPerFrame() {
        QCOMPARE(PhotoScaler::fillSourceRect({800, 400}, {300, 600}), QRectF(300, 0, 200, 400));
        QCOMPARE(PhotoScaler::fillSourceRect({300, 1200}, {300, 600}), QRectF(0, 300, 300, 600));
        QVERIFY(PhotoScaler::fillSourceRect({}, {300, 600}).isNull());
        // Shrinking averages the area under each pixel, edge pixels in part: a quarter of the
        // middle pixel lies under each of the four.
        QImage dot(3, 3, QImage::Format_ARGB32);
        dot.fill(Qt::black);
        dot.setPixel(1, 1, qRgb(255, 255, 255));
        const QImage shrunk = AreaScaler::scaled(dot, dot.rect(), {2, 2});
        for (const QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            QCOMPARE(shrunk.pixel(at), qRgb(28, 28, 28));

        QQuickWindow window;
        window.resize(400, 600);
        QImage photo = picture({2000, 1000}, Qt::red); // wide: its blue sides are cut off
        QPainter(&photo).fillRect(0, 0, 600, 1000, Qt::blue);
        const int before = m_services.services().photoScaler().preparedCount();
        CountingPhoto first;
        CountingPhoto second;
        for (CountingPhoto *view : {&first, &second}) {
            view->setParentItem(window.contentItem());
            view->setSize({200, 300});
            view->setRadius(10);
            view->setShaded(true);
            view->setScaler(&m_services.services().photoScaler());
            view->setImage(photo);
            QVERIFY(view->pending() && !view->showing());
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(first.showing() && second.showing());
        QCOMPARE(m_services.services().photoScaler().preparedCount(), before + 1);
        const QImage shown = first.shownImage();
        QCOMPARE(shown.size(), QSize(200, 300));
        QCOMPARE(shown.pixelColor(0, 0).alpha(), 0);
        QVERIFY(shown.pixelColor(100, 5).red() > 240 && shown.pixelColor(100, 5).blue() < 10);
        QVERIFY(shown.pixelColor(100, 295).red() < 40);
        QVERIFY(!window.grabWindow().isNull());
        const int painted = first.paints;
        QVERIFY(painted > 0);

        for (int i = 1; i <= 5; ++i) {
            first.setPosition({i * 10.0, i * 5.0});
            first.setRotation(i * 3);
            first.setScale(1 - i * 0.01);
            QVERIFY(!window.grabWindow().isNull());
        }
        QCOMPARE(first.paints, painted);
        QCOMPARE(m_services.services().photoScaler().preparedCount(), before + 1);

        first.setSize({100, 150}); // the old pixels stay until the new ones are ready
        QVERIFY(first.pending() && first.showing());
        QTRY_COMPARE(first.shownImage().size(), QSize(100, 150));
        QCOMPARE(m_services.services().photoScaler().preparedCount(), before + 2);
    }

    // The card behind is out of the scene only while the top card at rest covers it.
    void cardBehindIsHiddenOnlyWhileCovered() {
        EngineHost engine;
        QVERIFY(engine.show());
        CardStackDemoVC demo(CardStackDemoVC::sampleModels(3), m_services.services());
        auto *stack = new SwipeCardStack(engine.host.get());
        stack->setSize({300, 500});
        demo.attachStack(stack);
        SwipeCard *top = stack->topCard();
        SwipeCard *back = stack->visibleCards()[1].card;
        QVERIFY(back->isVisible()); // drawn once first, so showing it later costs no drawing
        QTRY_VERIFY(back->contentDrawn());
        QVERIFY(!back->isVisible());

        drag(*top, {30, 0});
        QVERIFY(back->isVisible());
        PanGestureRecognizer *pan = top->panGestureRecognizer();
        pan->setTestState(State::Ended);
        pan->sendAction(); // too short: it springs back and covers the card again
        QVERIFY(back->isVisible());
        QTRY_VERIFY(!back->isVisible());

        demo.like();
        QCOMPARE(stack->topCard(), back);
        QVERIFY(back->isVisible());
        SwipeCard *next = stack->visibleCards()[1].card;
        QTRY_VERIFY(next->contentDrawn() && !next->isVisible());
        demo.undo(); // the card comes back from the side: nothing is covered while it flies
        QVERIFY(stack->visibleCards()[1].card->isVisible());
        QTRY_VERIFY(!stack->isAnimating() && !stack->topCard()->isAnimating());
        QTRY_VERIFY(stack->visibleCards()[1].card->contentDrawn());
        QTRY_VERIFY(!stack->visibleCards()[1].card->isVisible());
    }

    // An undo makes the card that went and the one behind it again: both have their photos at
    // once, from memory, and the card on top draws its photo on its first frame, asking the
    // service for nothing.
    void anUndoneCardShowsItsPhotoAtOnce() {
        FakeService service;
        QVERIFY(service.start());
        QList<CardModel> models = CardStackDemoVC::sampleModels(3);
        for (int i = 0; i < models.size(); ++i) {
            const QString name = QStringLiteral("undone%1.png").arg(i);
            service.respond(name, 200, Fixtures::png({40, 60}, Qt::red));
            models[i].photoURLs = QStringList{service.baseUrl() + name};
        }
        EngineHost engine;
        QVERIFY(engine.show());
        CardStackDemoVC demo(models, m_services.services());
        auto *stack = new SwipeCardStack(engine.host.get());
        stack->setSize({300, 500});
        demo.attachStack(stack);
        const auto photo = [](SwipeCard *card) {
            return card->content() ? card->content()->findChild<CardPhotoView *>() : nullptr;
        };
        QTRY_VERIFY(photo(stack->topCard()) && photo(stack->topCard())->showing());
        demo.pass();
        QTRY_VERIFY(!stack->isAnimating());
        QTRY_COMPARE(service.requests().size(), 3);

        demo.undo();
        auto *top = qobject_cast<CardView *>(stack->topCard());
        auto *behind = qobject_cast<CardView *>(stack->visibleCards()[1].card);
        QVERIFY(top && behind);
        QVERIFY(!top->isLoading() && !behind->isLoading());
        QCOMPARE(top->currentImage().size(), QSize(40, 60));
        QVERIFY(photo(top) && photo(top)->showing());
        QTest::qWait(100);
        QCOMPARE(service.requests().size(), 3);
    }

    // Under an item of a QML engine the card gets its drawing, which reports where the text
    // block starts.
    void drawnInsideAnEngineWithALongNameCutShort() {
        EngineHost engine;
        QQuickItem *host = engine.host.get();
        QVERIFY(host);
        CardModel m = model(2, 1);
        m.hasCheckmark = true;
        m.name = QStringLiteral("Александра-Виктория Константинопольская");
        auto *card = new CardView(m, m_services.services());
        QVERIFY(!card->contentItem());
        card->setSize({300, 500});
        card->setParentItem(host);
        QVERIFY(card->contentItem());
        QCOMPARE(card->contentItem()->size(), QSizeF(300, 500));
        QTRY_VERIFY(card->textAreaTop() > 300 && card->textAreaTop() < 480);
        QVERIFY(card->textAreaTop() != 500 - CardView::kDefaultTextBlockHeight);

        // Drawn, a long name is cut short rather than pushing the age off the card.
        QVERIFY(engine.show());
        const QList<QQuickItem *> items = card->contentItem()->findChildren<QQuickItem *>();
        const auto age = std::find_if(items.cbegin(), items.cend(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("24");
        });
        QVERIFY(age != items.cend());
        const auto onCard = [&] { return (*age)->mapRectToItem(card, (*age)->boundingRect()); };
        QTRY_VERIFY(onCard().left() > 150 && onCard().right() < 300);
    }
};

QTEST_MAIN(TestCardView)
#include "tst_cardview.moc"
