#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

#include <QImage>

// The small screen over the feed that invites the user to write to a profile they super-liked.
// It keeps the typed text within 140 user-perceived characters. Sending and skipping both only
// close it: nobody receives the text.
class NoteMessageVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString avatarSource READ avatarSource CONSTANT)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QString counterText READ counterText NOTIFY textChanged)
    Q_PROPERTY(int maxCharacters READ maxCharacters CONSTANT)

public:
    static constexpr int kPresentationDelayMs = 200;

    explicit NoteMessageVC(QImage avatarImage, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("feed/NoteMessageView.qml"); }

    const QImage &avatarImage() const { return m_avatarImage; }
    /// The picture as an address the view can load; empty without a picture.
    QString avatarSource() const { return m_avatarSource; }
    QString text() const { return m_text; }
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

    Q_INVOKABLE void sendButtonTapped() { dismiss(true); }
    Q_INVOKABLE void skipButtonTapped() { dismiss(true); }
    Q_INVOKABLE void returnPressed() { dismiss(true); }
    Q_INVOKABLE void escapePressed() { dismiss(true); }
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }},
                                      {KeyCommand::Escape, [this] { escapePressed(); }}});
    }

Q_SIGNALS:
    void textChanged();

private:
    QImage m_avatarImage;
    QString m_avatarSource;
    QString m_text;
    int m_count = 0;
};
