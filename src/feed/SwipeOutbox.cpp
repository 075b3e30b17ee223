#include "feed/SwipeOutbox.h"

#include "api/Endpoints.h"
#include "platform/DiagnosticLog.h"
#include "ui/MainThreadReceiver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {
// A swipe is kept until the service has it: after anything but an answer or a final refusal.
bool notStored(const Result<SwipeResponse> &result) {
    return !result.ok() && result.error().mayNotHaveStored();
}

std::optional<SwipeType> swipeType(const QString &text) {
    for (SwipeType type : {SwipeType::left, SwipeType::right, SwipeType::superlike})
        if (swipeTypeText(type) == text)
            return type;
    return std::nullopt;
}
} // namespace

SwipeOutbox::SwipeOutbox(std::unique_ptr<QSettings> defaults, NetworkService &network,
                         Answer resent, QObject *parent)
    : QObject(parent)
    , m_defaults(std::move(defaults))
    , m_writer(*m_defaults)
    , m_network(network)
    , m_resent(std::move(resent))
    , m_retry([this] { resend(m_owner); }) {
    load();
}

void SwipeOutbox::setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest) {
    m_retry.setDelays(first, longest);
}

void SwipeOutbox::transmit(const Swipe &swipe, Step then) {
    Endpoints::swipeFromFeed(
        swipe.toUserID, swipe.type, QString(),
        [to = MainThreadReceiver(this), then = std::move(then)](Result<SwipeResponse> result) {
            to.post([then, result = std::move(result)](SwipeOutbox &self) { then(self, result); });
        },
        m_network);
}

void SwipeOutbox::send(const Swipe &swipe, Answer answered) {
    transmit(swipe, [swipe, answered](SwipeOutbox &self, const Result<SwipeResponse> &result) {
        if (notStored(result))
            self.keep(swipe);
        answered(result);
    });
}

void SwipeOutbox::keep(const Swipe &swipe) {
    if (!m_kept.contains(swipe)) {
        m_kept.append(swipe);
        store();
    }
    m_owner = swipe.owner;
    // A round of sending again that is under way plans the next one when it ends.
    if (m_onTheirWay.isEmpty() && !m_retry.isWaiting())
        m_retry.failed();
}

void SwipeOutbox::resend(const QString &owner) {
    m_owner = owner;
    for (const Swipe &swipe : std::as_const(m_kept)) {
        if (swipe.owner != owner || m_onTheirWay.contains(swipe))
            continue;
        m_onTheirWay.append(swipe);
        transmit(swipe, [swipe](SwipeOutbox &self, const Result<SwipeResponse> &result) {
            self.resentAnswered(swipe, result);
        });
    }
}

void SwipeOutbox::resentAnswered(const Swipe &swipe, const Result<SwipeResponse> &result) {
    m_onTheirWay.removeOne(swipe);
    if (!notStored(result) && m_kept.removeOne(swipe))
        store();
    m_resent(result);
    if (!m_onTheirWay.isEmpty())
        return;
    const bool anyLeft = std::any_of(m_kept.cbegin(), m_kept.cend(),
                                     [this](const Swipe &s) { return s.owner == m_owner; });
    if (anyLeft)
        m_retry.failed();
    else
        m_retry.reset();
}

void SwipeOutbox::load() {
    const QByteArray stored = m_defaults->value(key()).toByteArray();
    if (stored.isEmpty())
        return;
    const QJsonDocument document = QJsonDocument::fromJson(stored);
    if (!document.isArray()) {
        qCWarning(lcFeed).noquote() << QStringLiteral("Ошибка загрузки неотправленных свайпов");
        return;
    }
    for (const QJsonValue &value : document.array()) {
        const QJsonObject object = value.toObject();
        const QString owner = object.value(QStringLiteral("owner")).toString();
        const QString to = object.value(QStringLiteral("toUserID")).toString();
        const std::optional<SwipeType> type =
            swipeType(object.value(QStringLiteral("swipeType")).toString());
        if (!owner.isEmpty() && !to.isEmpty() && type)
            m_kept.append({owner, to, *type});
    }
}

void SwipeOutbox::store() {
    QJsonArray array;
    for (const Swipe &swipe : std::as_const(m_kept))
        array.append(QJsonObject{{QStringLiteral("owner"), swipe.owner},
                                 {QStringLiteral("toUserID"), swipe.toUserID},
                                 {QStringLiteral("swipeType"), swipeTypeText(swipe.type)}});
    m_writer.write(key(), QJsonDocument(array).toJson(QJsonDocument::Compact));
}
