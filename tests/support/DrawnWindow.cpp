#include "DrawnWindow.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace {
QQuickItem *search(QQuickItem *item, const std::function<bool(QQuickItem *)> &match) {
    for (QQuickItem *child : item->childItems()) {
        if (!child->isVisible())
            continue;
        if (match(child))
            return child;
        if (QQuickItem *found = search(child, match))
            return found;
    }
    return nullptr;
}
} // namespace

bool DrawnWindow::show(QSize size) {
    QQuickWindow *window = quick();
    if (!window)
        return false;
    window->resize(size);
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

QQuickItem *DrawnWindow::find(const std::function<bool(QQuickItem *)> &match) const {
    return quick() ? search(quick()->contentItem(), match) : nullptr;
}

QQuickItem *DrawnWindow::findWith(const char *property, const QString &value) const {
    return find([&](QQuickItem *item) { return item->property(property).toString() == value; });
}

void DrawnWindow::click(QQuickItem *item) const {
    QTest::mouseClick(quick(), Qt::LeftButton, {},
                      item->mapToScene(item->boundingRect().center()).toPoint());
}
