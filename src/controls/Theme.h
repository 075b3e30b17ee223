#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The colours shared by every screen, in the light or dark appearance.
class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool dark READ dark WRITE setDark NOTIFY appearanceChanged)
    Q_PROPERTY(QColor accent READ accent CONSTANT)
    Q_PROPERTY(QColor primaryText READ primaryText NOTIFY appearanceChanged)
    Q_PROPERTY(QColor background READ background NOTIFY appearanceChanged)
    Q_PROPERTY(QColor grey READ grey CONSTANT)
    Q_PROPERTY(QColor tabItem READ tabItem NOTIFY appearanceChanged)
    Q_PROPERTY(QColor gradientStart READ gradientStart CONSTANT)
    Q_PROPERTY(QColor gradientEnd READ gradientEnd CONSTANT)
    Q_PROPERTY(QColor focusRing READ focusRing NOTIFY appearanceChanged)

public:
    explicit Theme(QObject *parent = nullptr);

    bool dark() const { return m_dark; }
    void setDark(bool dark);

    static QColor accent() { return QColor(255, 68, 88); }
    QColor primaryText() const { return m_dark ? QColor(240, 242, 244) : QColor(33, 38, 39); }
    QColor background() const { return m_dark ? QColor(17, 20, 24) : QColor(Qt::white); }
    static QColor grey() { return QColor(124, 133, 145); }
    /// Icons and titles of the tabs that are not selected.
    QColor tabItem() const { return m_dark ? QColor(101, 110, 123) : QColor(189, 193, 200); }
    /// The main button's gradient, top-right to bottom-left.
    static QColor gradientStart() { return QColor(255, 96, 54); }
    static QColor gradientEnd() { return QColor(241, 38, 117); }
    /// The frame around what the keyboard is on: blue, as on the desktop, so it is never read
    /// as the accent border of a selected choice.
    QColor focusRing() const { return m_dark ? QColor(120, 174, 237) : QColor(53, 132, 228); }

Q_SIGNALS:
    void appearanceChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_dark = false;
};
