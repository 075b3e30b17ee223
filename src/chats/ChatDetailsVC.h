// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Match.h"
#include "api/Result.h"
#include "api/RetrySchedule.h"
#include "chats/MessageListModel.h"
#include "ui/KeyActions.h"
#include "ui/ViewController.h"

#include <QTimer>

class NetworkService;
class UnsentMessages;

// One conversation: its messages as bubbles, older ones fetched at the top, newer ones polled
// every 2 seconds while on screen, sending with an optimistic bubble, and removing the match.
// A message the service has not confirmed stays, marked when sending it failed, until it is sent
// again successfully or deleted. One that failed because the service was away goes out again on
// its own once a poll finds the service back.
class ChatDetailsVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ChatsVC")
    Q_PROPERTY(MessageListModel *rows READ rows CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString avatar READ avatar CONSTANT)
    Q_PROPERTY(bool hasCheckmark READ hasCheckmark CONSTANT)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(bool sendEnabled READ sendEnabled NOTIFY textChanged)

public:
    static constexpr int pollIntervalMs = 2000;
    static constexpr int maxLength = 500;

    explicit ChatDetailsVC(Match match, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("chats/ChatDetailsView.qml"); }
    bool navigationBarHidden() const override { return true; }

    MessageListModel *rows() { return &m_rows; }
    [[nodiscard]] const QList<Message> &messages() const { return m_rows.messages(); }
    [[nodiscard]] const Match &match() const { return m_match; }
    QString name() const { return m_match.profile.name; }
    QString avatar() const;
    bool hasCheckmark() const { return m_match.profile.hasCheckmark; }
    QString text() const { return m_text; }
    [[nodiscard]] bool sendEnabled() const {
        return !m_text.isEmpty() && m_text.size() <= maxLength;
    }
    [[nodiscard]] bool isPolling() const { return m_updateTimer.isActive(); }
    [[nodiscard]] bool hasMoreOlderMessages() const { return m_hasMoreOlderMessages; }
    [[nodiscard]] bool isLoadingOlderMessages() const { return m_isLoadingOlderMessages; }
    /// Tests shorten the waits before a failed history load is tried again.
    void setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest) {
        m_olderRetry.setDelays(first, longest);
    }

    /// Offers the field's new text; a refused change is answered with textChanged so the field
    /// shows the kept text again.
    Q_INVOKABLE void textEdited(const QString &proposed);
    Q_INVOKABLE void handleSendButton();
    /// The failed bubble's two choices; rows without the failure mark are left alone.
    Q_INVOKABLE void resendTapped(int row);
    Q_INVOKABLE void deleteTapped(int row);
    /// Sends when the send button is enabled; whether it was.
    Q_INVOKABLE bool returnPressed();
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }}});
    }
    /// The view reports every scroll and layout of the message table.
    Q_INVOKABLE void didScroll(qreal offsetY);
    Q_INVOKABLE void didLayout(qreal contentHeight, qreal tableHeight);
    Q_INVOKABLE void flagButtonTapped();
    Q_INVOKABLE void titleTapped();
    Q_INVOKABLE void backTapped();

    /// Asks for messages after the last one; the 2-second timer runs this.
    void pollNewer();
    /// Sends cancelMatch and goes back when it succeeds.
    void removeMatch();

Q_SIGNALS:
    /// The conversation was closed (taken off its stack): what it read or sent may change the
    /// matches list's unread marks and last lines.
    void closed();
    void textChanged();
    void scrollToBottomRequested(bool animated);
    /// Older messages went in above: keep what was visible by moving to this offset.
    void contentOffsetRequested(qreal offsetY);
    void focusRequested();

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewWillDisappear(bool animated) override;

private:
    void transmit(const Message &message);
    void confirmed(const QUuid &sentID, const QUuid &storedID);
    // A send failed: one the service may take later is kept for resendStranded(), one it
    // refused is left to the user.
    void sendFailed(const QUuid &id, bool serviceAway);
    void resendStranded();
    [[nodiscard]] bool isFailedRow(int row) const;
    void loadOlder();
    // The poll goes on after the newest message of a page from the service.
    void noteNewest(const QList<Message> &page);
    void olderResult(const Result<QList<Message>> &result);
    void newerResult(const Result<QList<Message>> &result);
    void scrollToBottomSoon(bool animated);

    Match m_match;
    // The newest message the service gave: the poll asks for what came after it.
    struct PollAnchor {
        QDateTime createdAt;
        QUuid id;
    };
    std::optional<PollAnchor> m_pollAnchor;
    // Messages sent from here whose copy has not come back from the service yet.
    QList<Message> m_unconfirmed;
    NetworkService &m_network;
    UnsentMessages &m_unsent;
    // Messages whose send found the service away, with how often they went out again on their
    // own: a few times at most, so a service that keeps failing them is not asked forever.
    QHash<QUuid, int> m_stranded;
    static constexpr int kAutomaticResends = 3;
    MessageListModel m_rows;
    QString m_text;
    bool m_isLoadingOlderMessages = false;
    bool m_hasMoreOlderMessages = true;
    bool m_didScrollToBottom = false;
    // One poll at a time; events that come meanwhile ask for one more after it.
    bool m_pollInFlight = false;
    bool m_pollAgain = false;
    QTimer m_updateTimer;
    // A failed history load is tried again: nothing else asks for it in a list too short to
    // scroll, and the conversation would stay empty after the service came back.
    RetrySchedule m_olderRetry;
    qreal m_offsetY = 0;
    qreal m_contentHeight = 0;
    // Set while older messages wait for the layout that shows them: the height and offset before.
    std::optional<std::pair<qreal, qreal>> m_heightBeforeInsert;
};
