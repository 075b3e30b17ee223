// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsVC.h"

#include "BuildConfigValues.h"
#include "api/Birthday.h"
#include "api/Endpoints.h"
#include "platform/UrlOpener.h"
#include "settings/GenderSelectionVC.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

#include <QPointer>

namespace {
const QString kSupportAddress = QStringLiteral("support@zirel.app");
const QString kTelegramChannel = QStringLiteral("https://t.me/zirel_app");
// What a query may carry unescaped besides letters and digits.
const QByteArray kQueryAllowed = "!$&'()*+,-./:;=?@_~";
} // namespace

SettingsVC::SettingsVC(bool isMain, Services services, QObject *parent)
    : ViewController(QStringLiteral("SettingsVC"), services, parent)
    , m_user(services.user().currentUser())
    , m_isMain(isMain) {
    setTitle(isMain ? tr("Настройки") : tr("Фильтры"));
    m_rows.setRows(buildRows());
}

QList<RowModel::Row> SettingsVC::buildRows() const {
    using Kind = RowModel::Kind;
    const int age = Birthday::age(m_user.birthday, QDate::currentDate());
    // Twenty years either side of the user's age, widened to a range saved beyond them (chosen
    // at another age, or by another client): a slider clamping it would show one range beside
    // a label showing another, and save its clamped end at the first touch of the other thumb.
    using Row = RowModel::Row;
    Row distance = Row::of(Kind::Slider);
    distance.value = m_user.maxDistance;
    distance.isOn = m_user.showMore;
    Row shownTo = Row::of(Kind::Choice, tr("Показывать меня"));
    shownTo.value = int(m_user.selectedGender);
    Row ages = Row::of(Kind::RangeSlider);
    ages.isOn = m_user.showMoreAge;
    ages.lower = m_user.ageStart;
    ages.upper = m_user.ageEnd;
    ages.minimum = std::min(age - 20, m_user.ageStart);
    ages.maximum = std::max(age + 20, m_user.ageEnd);
    Row active = Row::of(Kind::Toggle);
    active.isOn = m_user.active;
    QList<Row> rows{
        distance,
        shownTo,
        ages,
        active,
        Row::of(Kind::Hint,
                tr("Если выключено, твой профиль будет скрыт. Люди, которые уже получили от "
                   "тебя лайк, по-прежнему смогут видеть твой профиль и образовывать с тобой "
                   "пары")),
    };
    if (m_isMain) {
        rows.prepend(Row::of(Kind::Caption, tr("НАХОДКИ")));
        rows << Row::of(Kind::Caption, tr("КОНТАКТЫ"))
             << Row::of(Kind::Navigation, tr("Условия пользования"), int(Link::Terms))
             << Row::of(Kind::Navigation, tr("Написать разработчикам"), int(Link::Feedback))
             << Row::of(Kind::Navigation, tr("Канал в Telegram"), int(Link::Telegram))
             << Row::of(Kind::Version, versionText(QStringLiteral(ZIREL_BUILD_APP_VERSION)))
             << Row::of(Kind::Button, tr("Удалить аккаунт"));
    }
    for (RowModel::Row &row : rows)
        row = described(row);
    return rows;
}

RowModel::Row SettingsVC::described(RowModel::Row row) {
    switch (row.kind) {
    case RowModel::Kind::Slider:
        row.detail = tr("%1 км").arg(row.value);
        break;
    case RowModel::Kind::RangeSlider:
        row.detail = QStringLiteral("%1-%2").arg(row.lower).arg(row.upper);
        break;
    case RowModel::Kind::Choice:
        row.detail = GenderSelectionVC::title(GenderSelection(row.value));
        break;
    default:
        break;
    }
    return row;
}

QString SettingsVC::versionText(const QString &shortVersion) {
    return tr("Версия %1").arg(shortVersion.isEmpty() ? QStringLiteral("1.0") : shortVersion);
}

QUrl SettingsVC::termsUrl() const {
    return QUrl(services().network().baseUrl() + QStringLiteral("agreement"));
}

QUrl SettingsVC::telegramUrl() {
    return QUrl(kTelegramChannel);
}

QUrl SettingsVC::feedbackMailUrl() {
    const QByteArray subject = tr("Обратная связь").toUtf8().toPercentEncoding(kQueryAllowed);
    return QUrl::fromEncoded("mailto:" + kSupportAddress.toUtf8() + "?subject=" + subject,
                             QUrl::StrictMode);
}

void SettingsVC::openLink(const Services &services, const QUrl &url) {
    if (url.isValid())
        (void)services.platform().urlOpener().open(url);
}

void SettingsVC::rowTapped(int row) {
    if (row < 0 || row >= settings().size())
        return;
    const RowModel::Row &tapped = settings().at(row);
    switch (tapped.kind) {
    case RowModel::Kind::Choice: {
        NavigationContainer *navigation = navigationContainer();
        if (!navigation)
            return;
        QPointer<SettingsVC> weak = this;
        navigation->push(new GenderSelectionVC(
                             GenderSelection(tapped.value), GenderSelectionVC::FromSettings,
                             [weak](GenderSelection chosen) {
                                 if (weak)
                                     weak->genderSelected(chosen);
                             },
                             services()),
                         true);
        return;
    }
    case RowModel::Kind::Navigation:
        switch (Link(tapped.tag)) {
        case Link::Terms:
            openLink(services(), termsUrl());
            return;
        case Link::Telegram:
            openLink(services(), telegramUrl());
            return;
        case Link::Feedback:
            openLink(services(), feedbackMailUrl());
            return;
        }
        return;
    case RowModel::Kind::Button:
        if (NavigationContainer *navigation = navigationContainer())
            navigation->push(
                services().screens().create(ScreenFactory::Screen::DeleteAccount, services()),
                true);
        return;
    default:
        return;
    }
}

void SettingsVC::edit(int row, const std::function<void(RowModel::Row &)> &change) {
    if (row < 0 || row >= settings().size())
        return;
    RowModel::Row value = settings().at(row);
    change(value);
    m_rows.replace(row, described(value));
}

void SettingsVC::sliderValueChanged(int row, double value) {
    edit(row, [value](RowModel::Row &slider) { slider.value = int(value); });
}

void SettingsVC::rangeSliderValueChanged(int row, double lower, double upper) {
    edit(row, [lower, upper](RowModel::Row &range) {
        range.lower = int(lower);
        range.upper = int(upper);
    });
}

void SettingsVC::switcherValueChanged(int row, bool isOn) {
    edit(row, [isOn](RowModel::Row &toggled) { toggled.isOn = isOn; });
}

void SettingsVC::genderSelected(GenderSelection gender) {
    for (int row = 0; row < settings().size(); ++row) {
        if (settings().at(row).kind == RowModel::Kind::Choice) {
            edit(row, [gender](RowModel::Row &choice) { choice.value = int(gender); });
            return;
        }
    }
}

DiscoverySettings SettingsVC::settingsOf(const User &user) {
    return {user.maxDistance, user.showMore,    user.selectedGender, user.ageStart,
            user.ageEnd,      user.showMoreAge, user.active};
}

DiscoverySettings SettingsVC::editedSettings() const {
    DiscoverySettings edited = settingsOf(m_user);
    for (const RowModel::Row &row : settings()) {
        switch (row.kind) {
        case RowModel::Kind::Slider:
            edited.maxDistance = row.value;
            edited.showMore = row.isOn;
            break;
        case RowModel::Kind::Choice:
            edited.selectedGender = GenderSelection(row.value);
            break;
        case RowModel::Kind::RangeSlider:
            edited.ageStart = row.lower;
            edited.ageEnd = row.upper;
            edited.showMoreAge = row.isOn;
            break;
        case RowModel::Kind::Toggle:
            edited.active = row.isOn;
            break;
        default:
            break;
        }
    }
    return edited;
}

void SettingsVC::leftBarButtonTapped() {
    dismiss(true);
}

void SettingsVC::rightBarButtonTapped() {
    if (m_saving)
        return;
    const DiscoverySettings edited = editedSettings();
    if (edited == settingsOf(m_user)) {
        dismiss(true);
        return;
    }
    save(edited);
}

void SettingsVC::setSaving(bool saving) {
    if (saving == m_saving)
        return;
    m_saving = saving;
    Q_EMIT barButtonsChanged();
}

void SettingsVC::save(const DiscoverySettings &edited) {
    setSaving(true);
    // The record is written where the answer arrives, even when this screen is gone by then;
    // the announcement and the closing run on the main thread.
    Endpoints::updateSettings(
        edited,
        [edited, services = services(),
         to = MainThreadReceiver(this)](const Result<EmptyResponse> &result) {
            if (!result.ok()) {
                to.post([reason = result.error().reason](SettingsVC &screen) {
                    screen.setSaving(false);
                    AlertErrorVC::show(&screen, reason);
                });
                return;
            }
            UserManager &store = services.user();
            store.update([&](User &user) { user.maxDistance = edited.maxDistance; });
            store.update([&](User &user) { user.showMore = edited.showMore; });
            store.update([&](User &user) { user.selectedGender = edited.selectedGender; });
            store.update([&](User &user) { user.ageStart = edited.ageStart; });
            store.update([&](User &user) { user.ageEnd = edited.ageEnd; });
            store.update([&](User &user) { user.showMoreAge = edited.showMoreAge; });
            store.update([&](User &user) { user.active = edited.active; });
            QMetaObject::invokeMethod(
                qApp, [services] { services.user().announceChange(); }, Qt::QueuedConnection);
            to.post([](SettingsVC &screen) { screen.dismiss(true); });
        },
        services().network());
}
