// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Match.h"
#include "api/Result.h"
#include "chats/ChatsListing.h"
#include "chats/MatchListModel.h"
#include "ui/ViewController.h"

#include <QTimer>

class ChatCashManager;
class NavigationContainer;
class NetworkService;

// The "Чат" tab: the user's matches in server order, paged as the user scrolls, refreshed every
// 10 seconds and on "chatsUpdated", the first ones kept in a local copy so they show at once.
class ChatsVC : public ViewController, public ChatsListing {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(MatchListModel *rows READ rows CONSTANT)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(bool tableHidden READ tableHidden NOTIFY tableHiddenChanged)
    Q_PROPERTY(QString hint READ hint CONSTANT)

public:
    /// The page size of the first load and every next page.
    static constexpr int perPage = 20;
    /// The most matches the service gives in one page.
    static constexpr int largestPage = 200;
    static constexpr int refreshIntervalMs = 10000;

    explicit ChatsVC(Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("chats/ChatsView.qml"); }
    bool navigationBarHidden() const override { return true; }
    QString emptyDetailText() const override {
        return tr("Выбери пару слева, чтобы открыть переписку");
    }

    MatchListModel *rows() { return &m_rows; }
    [[nodiscard]] const QList<Match> &data() const { return m_rows.matches(); }
    [[nodiscard]] bool isLoading() const { return m_isLoading; }
    [[nodiscard]] bool hasMoreData() const { return m_hasMoreData; }
    [[nodiscard]] int currentPage() const { return m_currentPage; }
    [[nodiscard]] bool tableHidden() const { return m_tableHidden; }
    QString hint() const { return tr("Здесь появятся твои пары — ты сможешь общаться с ними"); }
    /// The unread badge text: the count of unread matches, empty for none.
    [[nodiscard]] QString badgeText() const;

    /// The view reports every scroll: offset, content height and the table's own height.
    Q_INVOKABLE void didScroll(qreal offsetY, qreal contentHeight, qreal tableHeight);
    Q_INVOKABLE void selectRow(int row);
    /// Asks for page 1 again, as long as the list holds; skipped while a page loads.
    Q_INVOKABLE void refresh();

    ViewController *conversationFor(const QUuid &chatID) override;

    /// Matches of `now` worth telling a user who is away: new ones, and ones that became unread.
    [[nodiscard]] static QList<Match> freshActivity(const QList<Match> &before,
                                                    const QList<Match> &now);

Q_SIGNALS:
    void loadingChanged();
    void tableHiddenChanged();

protected:
    void viewDidLoad() override;

private:
    void requestPage(int page, int count, bool isRefresh);
    void pageResult(int page, const Result<QList<Match>> &result);
    void refreshResult(int page, const Result<QList<Match>> &result);
    /// The conversation of a match, made to refresh this list when it closes.
    ViewController *openedConversation(const Match &match);
    [[nodiscard]] int refreshPageSize() const;
    /// Replaces the whole list: table visibility first, then the local copy.
    void assign(const QList<Match> &matches);
    void setLoading(bool loading);
    void updateTableHidden();
    void updateBadge();
    /// Marks the row of the conversation on view until the stack is back at the list.
    void showOpen(NavigationContainer *navigation, const QUuid &chatID);
    void stackChanged();

    ChatCashManager &m_cache;
    NetworkService &m_network;
    MatchListModel m_rows;
    int m_currentPage = 1;
    bool m_isLoading = false;
    bool m_hasMoreData = true;
    bool m_refreshing = false;
    // An event came while a refresh was on its way: one more follows it.
    bool m_refreshAgain = false;
    int m_refreshWanted = 0;
    QList<Match> m_refreshed;
    bool m_tableHidden = true;
    QTimer m_updateTimer;
};
