// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/NoteMessageVC.h"

#include "ui/ChoiceAlertVC.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTextBoundaryFinder>
#include <QTimer>

namespace {
// The circle is 80 points; twice that keeps it sharp on high-density screens.
constexpr int kAvatarPixels = 160;

// The picture cut to a circle, as an address an Image can load: the software renderer the
// client also runs on has no masks.
QString dataAddress(const QImage &image) {
    if (image.isNull())
        return {};
    const QImage scaled = image.scaled(kAvatarPixels, kAvatarPixels, Qt::KeepAspectRatioByExpanding,
                                       Qt::SmoothTransformation);
    QImage circle(kAvatarPixels, kAvatarPixels, QImage::Format_ARGB32_Premultiplied);
    circle.fill(Qt::transparent);
    QPainter painter(&circle);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addEllipse(QRectF(0, 0, kAvatarPixels, kAvatarPixels));
    painter.setClipPath(clip);
    painter.drawImage(
        QPointF((kAvatarPixels - scaled.width()) / 2.0, (kAvatarPixels - scaled.height()) / 2.0),
        scaled);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    circle.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}
} // namespace

NoteMessageVC::NoteMessageVC(QString toUserID, QImage avatarImage, QObject *parent)
    : ViewController(QStringLiteral("NoteMessageVC"), parent)
    , m_toUserID(std::move(toUserID))
    , m_avatarImage(std::move(avatarImage))
    , m_avatarSource(dataAddress(m_avatarImage)) {}

QString NoteMessageVC::counterText() const {
    return QStringLiteral("%1/%2").arg(m_count).arg(maxCharacters());
}

int NoteMessageVC::perceivedLength(const QString &text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

bool NoteMessageVC::shouldChangeCharacters(int start, int length, const QString &replacement) {
    if (start < 0 || length < 0 || start + length > m_text.size())
        return false;
    QString result = m_text;
    result.replace(start, length, replacement);
    const int count = perceivedLength(result);
    if (count > maxCharacters())
        return false;
    m_text = result;
    m_count = count;
    Q_EMIT textChanged();
    return true;
}

bool NoteMessageVC::proposeText(const QString &newText) {
    if (newText == m_text)
        return true;
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(newText.size(), m_text.size());
    while (prefix < shorter && newText[prefix] == m_text[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           newText[newText.size() - 1 - suffix] == m_text[m_text.size() - 1 - suffix])
        ++suffix;
    return shouldChangeCharacters(int(prefix), int(m_text.size() - prefix - suffix),
                                  newText.mid(prefix, newText.size() - prefix - suffix));
}

void NoteMessageVC::showOver(ViewController *presenter) {
    setParent(presenter);
    QTimer::singleShot(kPresentationDelayMs, presenter,
                       [presenter, self = QPointer<NoteMessageVC>(this)] {
                           if (self)
                               presenter->present(self, PresentationStyle::CrossDissolve, true);
                       });
}

void NoteMessageVC::sendButtonTapped() {
    if (m_noneLeft)
        offerPlainLike();
    else
        choose(m_text);
}

void NoteMessageVC::skipButtonTapped() {
    if (m_noneLeft)
        dismiss(true);
    else
        choose({});
}

void NoteMessageVC::choose(const QString &note) {
    if (m_sending)
        return;
    setSending(true);
    Q_EMIT noteChosen(note);
}

void NoteMessageVC::setSending(bool sending) {
    if (sending == m_sending)
        return;
    m_sending = sending;
    Q_EMIT sendingChanged();
}

void NoteMessageVC::answered(const Result<SwipeResponse> &result) {
    // No answer, or one the service may not have acted on: the outbox keeps the super-like with
    // its note and sends it again, so nothing typed is lost when the screen closes.
    if (result.ok() || result.error().mayNotHaveStored()) {
        dismiss(true);
        return;
    }
    // 409: none left. The note stays for the user to decide about.
    if (result.error().status == 409) {
        m_noneLeft = true;
        setSending(false);
        offerPlainLike();
        return;
    }
    dismiss(true);
}

void NoteMessageVC::offerPlainLike() {
    auto *alert = new ChoiceAlertVC(
        tr("Суперлайки закончились"),
        tr("Можно отправить обычный лайк с этой запиской: она откроет переписку, если симпатия "
           "окажется взаимной."),
        tr("Отправить лайк"), tr("Отмена"));
    connect(alert, &ChoiceAlertVC::accepted, this, [this] {
        Q_EMIT plainLikeChosen(m_text);
        dismiss(true);
    });
    present(alert, PresentationStyle::CrossDissolve, true);
}
