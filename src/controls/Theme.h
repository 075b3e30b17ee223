// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class DesktopColorScheme;

// The colours shared by every screen, in the light or dark appearance, and the type scale every
// text takes its font from.
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
    Q_PROPERTY(QColor destructive READ destructive CONSTANT)
    Q_PROPERTY(QColor onAccent READ onAccent CONSTANT)
    Q_PROPERTY(QColor scrim READ scrim CONSTANT)
    Q_PROPERTY(QColor outline READ outline NOTIFY appearanceChanged)
    Q_PROPERTY(QColor switchTrack READ switchTrack NOTIFY appearanceChanged)
    Q_PROPERTY(QColor disabledFill READ disabledFill NOTIFY appearanceChanged)
    Q_PROPERTY(QColor raisedSurface READ raisedSurface NOTIFY appearanceChanged)
    Q_PROPERTY(QColor raisedBorder READ raisedBorder NOTIFY appearanceChanged)
    Q_PROPERTY(QColor groupedBackground READ groupedBackground NOTIFY appearanceChanged)
    Q_PROPERTY(QColor incomingBubble READ incomingBubble CONSTANT)
    Q_PROPERTY(QColor pageBar READ pageBar CONSTANT)
    Q_PROPERTY(QColor photoShade READ photoShade CONSTANT)
    Q_PROPERTY(QFont display READ display CONSTANT)
    Q_PROPERTY(QFont wordmark READ wordmark CONSTANT)
    Q_PROPERTY(QFont largeTitle READ largeTitle CONSTANT)
    Q_PROPERTY(QFont title READ title CONSTANT)
    Q_PROPERTY(QFont titleAside READ titleAside CONSTANT)
    Q_PROPERTY(QFont subtitle READ subtitle CONSTANT)
    Q_PROPERTY(QFont lead READ lead CONSTANT)
    Q_PROPERTY(QFont button READ button CONSTANT)
    Q_PROPERTY(QFont field READ field CONSTANT)
    Q_PROPERTY(QFont headline READ headline CONSTANT)
    Q_PROPERTY(QFont row READ row CONSTANT)
    Q_PROPERTY(QFont body READ body CONSTANT)
    Q_PROPERTY(QFont bodyStrong READ bodyStrong CONSTANT)
    Q_PROPERTY(QFont subhead READ subhead CONSTANT)
    Q_PROPERTY(QFont subheadStrong READ subheadStrong CONSTANT)
    Q_PROPERTY(QFont caption READ caption CONSTANT)
    Q_PROPERTY(QFont captionStrong READ captionStrong CONSTANT)
    Q_PROPERTY(QFont footnote READ footnote CONSTANT)
    Q_PROPERTY(QFont small READ small CONSTANT)
    Q_PROPERTY(QFont smallStrong READ smallStrong CONSTANT)
    Q_PROPERTY(QFont tabLabel READ tabLabel CONSTANT)
    Q_PROPERTY(QFont badge READ badge CONSTANT)

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
    /// Deleting, rejecting, unread counts: the desktop's red.
    static QColor destructive() { return QColor(255, 59, 48); }
    /// Accepting: the desktop's green, the "like" stamps.
    static QColor positive() { return QColor(52, 199, 89); }
    /// Symbols drawn on the accent or on a coloured badge.
    static QColor onAccent() { return QColor(Qt::white); }
    /// Darkens the screen behind an alert.
    static QColor scrim() { return QColor(0, 0, 0, 115); }
    /// The border of a choice or a slider's thumb that is not selected.
    static QColor outline(bool dark) { return dark ? QColor(80, 89, 101) : QColor(185, 191, 200); }
    QColor outline() const { return outline(m_dark); }
    /// A slider's track outside the chosen range.
    static QColor track(bool dark) { return dark ? QColor(101, 110, 123) : grey(); }
    QColor switchTrack() const { return m_dark ? QColor(58, 63, 71) : QColor(227, 229, 232); }
    /// The main button while it cannot be pressed.
    QColor disabledFill() const { return m_dark ? QColor(56, 61, 69) : QColor(230, 232, 235); }
    /// The round buttons under the cards.
    QColor raisedSurface() const { return m_dark ? QColor(41, 46, 54) : QColor(Qt::white); }
    QColor raisedBorder() const { return m_dark ? QColor(255, 255, 255, 20) : QColor(0, 0, 0, 20); }
    /// The panel beneath a profile's name.
    QColor groupedBackground() const { return m_dark ? QColor(27, 31, 36) : QColor(242, 243, 246); }
    /// The other person's messages.
    static QColor incomingBubble() { return QColor(230, 230, 230); }
    /// The bars that count a card's photos.
    static QColor pageBar() { return QColor(0, 0, 0, 153); }
    /// Behind text laid over a photo.
    static QColor photoShade() { return QColor(0, 0, 0, 140); }
    /// The buttons under the cards: undo, write a note and like (pass is the accent).
    static QColor undoButton() { return QColor(247, 181, 0); }
    static QColor noteButton() { return QColor(10, 132, 255); }
    static QColor likeButton() { return QColor(38, 196, 133); }
    /// The pulse behind the own photo while the feed looks for people.
    static QColor halo() { return QColor(255, 45, 85); }

    /// The typeface of every text.
    static QString fontFamily();
    /// The welcome screen's wordmark.
    static QFont display();
    /// The wordmark in a screen's bar.
    static QFont wordmark();
    /// A step's question, the first thing read on the screen.
    static QFont largeTitle();
    /// A person's name over their profile or card, and a screen's heading.
    static QFont title();
    /// What stands beside a title in lighter weight: the age after a name.
    static QFont titleAside();
    /// An empty screen's or an error's heading.
    static QFont subtitle();
    /// The sentence that explains a step or an empty screen.
    static QFont lead();
    /// A main button's title.
    static QFont button();
    /// What the person types into a step's field.
    static QFont field();
    /// A bar's title, a section's heading, an alert's title.
    static QFont headline();
    /// A list row's title and a bar's buttons.
    static QFont row();
    /// Running text: a profile's text, messages, explanations.
    static QFont body();
    /// Running text that stands out: a name in a grid, a default action.
    static QFont bodyStrong();
    /// A row's second line and a switch's sections.
    static QFont subhead();
    /// The selected section of a switch.
    static QFont subheadStrong();
    /// Hints under fields, times and counts.
    static QFont caption();
    /// A caption that stands out.
    static QFont captionStrong();
    /// Small headings over groups of rows.
    static QFont footnote();
    /// The smallest running text: a note's limit.
    static QFont small();
    /// The smallest text that stands out.
    static QFont smallStrong();
    /// A tab's title under its symbol.
    static QFont tabLabel();
    /// The count in a tab's badge.
    static QFont badge();

Q_SIGNALS:
    void appearanceChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] bool desktopPrefersDark() const;

    // The desktop's own setting, followed while this lives; none when the appearance is forced.
    DesktopColorScheme *m_scheme = nullptr;
    bool m_dark = false;
};
