// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Result.h"
#include "api/SwipeResponse.h"
#include "ui/KeyActions.h"
#include "ui/ViewController.h"

#include <QImage>

// The small screen over the feed that invites the user to write to a profile they super-liked.
// It keeps the typed text within 140 user-perceived characters. Sending, or skipping with no
// note, hands the super-like to its owner, which sends it and reports the answer; the screen
// stays with the text until the service has the super-like or it is kept to be sent again. When
// none are left it says so and keeps the note; a plain like, which carries the note into the
// conversation of a match as well, goes only if the user chooses it, and skipping then sends
// nothing.
class NoteMessageVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString avatarSource READ avatarSource CONSTANT)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QString counterText READ counterText NOTIFY textChanged)
    Q_PROPERTY(int maxCharacters READ maxCharacters CONSTANT)
    Q_PROPERTY(bool sending READ isSending NOTIFY sendingChanged)

public:
    static constexpr int kPresentationDelayMs = 200;

    NoteMessageVC(QString toUserID, QImage avatarImage, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("feed/NoteMessageView.qml"); }

    const QImage &avatarImage() const { return m_avatarImage; }
    /// The picture as an address the view can load; empty without a picture.
    QString avatarSource() const { return m_avatarSource; }
    QString toUserID() const { return m_toUserID; }
    QString text() const { return m_text; }
    bool isSending() const { return m_sending; }
    QString counterText() const;
    int maxCharacters() const { return 140; }

    /// User-perceived characters (grapheme clusters) in `text`.
    [[nodiscard]] static int perceivedLength(const QString &text);
    /// The change filter: replaces `length` UTF-16 units at `start` with `replacement` when the
    /// range fits and the result stays within the limit; false leaves the text as it was.
    bool shouldChangeCharacters(int start, int length, const QString &replacement);
    /// The field proposes its whole new text; the difference goes through the filter. False
    /// means the field must go back to `text`.
    Q_INVOKABLE bool proposeText(const QString &newText);

    /// Presents this screen over `presenter` a moment later, so the feed's swipe starts first.
    void showOver(ViewController *presenter);

    Q_INVOKABLE void sendButtonTapped();
    Q_INVOKABLE void skipButtonTapped();
    Q_INVOKABLE void returnPressed() { sendButtonTapped(); }
    Q_INVOKABLE void escapePressed() { skipButtonTapped(); }
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }},
                                      {KeyCommand::Escape, [this] { escapePressed(); }}});
    }

    /// The service's answer to the super-like sent with `noteChosen`.
    void answered(const Result<SwipeResponse> &result);

Q_SIGNALS:
    void textChanged();
    void sendingChanged();
    /// The super-like is to be sent with `note` ("" when skipped).
    void noteChosen(const QString &note);
    /// With no super-likes left, the user chose to send a plain like with `note` instead.
    void plainLikeChosen(const QString &note);

private:
    void choose(const QString &note);
    void setSending(bool sending);
    void offerPlainLike();

    QString m_toUserID;
    bool m_sending = false;
    bool m_noneLeft = false;
    QImage m_avatarImage;
    QString m_avatarSource;
    QString m_text;
    int m_count = 0;
};
