#include "CardStackDemoVC.h"
#include "SwipeView.h"
#include "TourStops.h"

namespace {
// The developer screen of the card stack, optionally with the top card held in a drag of a
// little more than the swipe distance, so the direction's stamp shows fully.
ViewController *cardStack(int horizontalSign) {
    auto *demo = new CardStackDemoVC(CardStackDemoVC::sampleModels(6));
    if (horizontalSign != 0) {
        const QSizeF screen = SwipeView::screenSize();
        const qreal distance = qMin(screen.width(), screen.height()) * 0.25 * 1.1;
        demo->setHeldDrag(QPointF(horizontalSign * distance, -12));
    }
    return demo;
}
} // namespace

QList<TourStop> cardStops() {
    return {
        {QStringLiteral("cards"), [] { return cardStack(0); }},
        {QStringLiteral("cards-like"), [] { return cardStack(1); }},
        {QStringLiteral("cards-pass"), [] { return cardStack(-1); }},
    };
}
